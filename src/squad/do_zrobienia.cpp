#include "squad/gracze.h"

gracze GR;

bool gracze::load(const char*, std::string*) { return false; }
bool gracze::save(const char*) const { return false; }
bool gracze::loadrynek(const char*, std::string*) { return false; }
int gracze::ilegraczy() const { return 0; }
float gracze::sila_meczy(int) const { return 0; }
int gracze::obrona() const { return 0; }
int gracze::pomoc() const { return 0; }
int gracze::atak() const { return 0; }
int gracze::sprawdzskl() const { return 0; }
int gracze::sprawdzbrm() const { return 0; }
char gracze::pokazsklad(int*) { return 32; }
void gracze::sklad() {}
void gracze::kupno(int*, int, int) {}
void gracze::sprzedarz(int*) {}
void gracze::ktostrzelil(int) {}
void gracze::pomeczu(int) {}
void gracze::koniecsezonu() {}
int cena(int, int) { return 0; }
