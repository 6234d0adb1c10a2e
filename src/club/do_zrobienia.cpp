#include "club/boisko.h"

boisko ST;

boisko::boisko() {}
bool boisko::load(const char*, std::string*) { return false; }
bool boisko::save(const char*) const { return false; }
bool boisko::loadsponsor(const char*, std::string*) { return false; }
void boisko::pokaz() const {}
void boisko::stadion() {}
void boisko::pomeczu(int, int, int, int*, int, int, int) {}
void boisko::nowysponsor() {}
void boisko::nowy_lowca() {}
void boisko::bank() {}
int cena_biletu(int, int) { return 0; }
int zarobki(int, int) { return 0; }
int wstawwsp(int) { return 1; }
