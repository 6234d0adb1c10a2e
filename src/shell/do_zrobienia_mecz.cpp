#include "shell/dzien_meczu.h"
#include "shell/sezon.h"
#include "shell/zapis.h"

void nastepnymecz() {}
void koniecsezonu() {}
void zapis() {}
void odczyt() {}
void info() {}
