#include "shell/menu.h"

#include <array>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "shell/dzien_meczu.h"
#include "shell/ostrzezenie.h"
#include "shell/zapis.h"
#include "squad/gracze.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"

namespace {
// The club's name heads the menu in red on green.
constexpr int kolor_klubu = 66;
constexpr std::array wpisy{"NASTEPNY MECZ\n\r", "SKLAD\n\r",   "KUPNO\n\r", "SPRZEDARZ\n\r",
                           "TABELA\n\r",        "STADION\n\r", "BANK\n\r",  "ZAPIS\n\r",
                           "ODCZYT\n\r",        "INFO\n\n\r"};
constexpr int ostatni = static_cast<int>(wpisy.size()) - 1;
constexpr int wiersz_pierwszego = 4;
constexpr int kolumna_znacznika = 15;

int kursor = 0;
// The menu warns of the next match when it is shown anew, not at every marker move.
bool ostrzec = true;

void uruchom(int wpis) {
    switch (wpis) {
        case 0:
            nastepnymecz();
            break;
        case 1:
            GR.sklad();
            break;
        case 2:
            GR.kupno(&ST.kasa, ST.liga, ST.zakaz_transferow());
            break;
        case 3:
            GR.sprzedarz(&ST.kasa);
            break;
        case 4:
            for (int liga = 0; liga < zespoly::lig; ++liga) DR.tabela(liga);
            break;
        case 5:
            ST.stadion();
            break;
        case 6:
            ST.bank();
            break;
        case 7:
            zapis();
            break;
        case 8:
            odczyt();
            break;
        default:
            info();
            break;
    }
}

void rysuj() {
    cls();
    kolor(kolor_klubu);
    drukuj("%s\n\r", DR.nazwa[DR.twojaliga][DR.twojadruzyna]);
    kolor(kolor_tekstu);
    drukuj("SEZON: %d/%d KOLEJKA LIGOWA: %d\n\n\r", DR.sezon, DR.sezon + 1, DR.nr_kolejki + 1);
    for (const char* wpis : wpisy) drukuj("%s", wpis);
    DR.pokaznastepnymecz();
    gotoxy(kolumna_znacznika, kursor + wiersz_pierwszego);
    drukuj("<--");
}
}  // namespace

void menu_od_poczatku() {
    kursor = 0;
    ostrzec = true;
}

void menu_raz() {
    klawisze_ekranu pomoc(ekran_gry::menu);
    rysuj();
    // A message another screen left (a save, a load) goes first; the warning waits for it.
    if (ostrzec && !jest_komunikat_stanu()) {
        komunikat_stanu(ostrzezenie_przed_meczem());
        ostrzec = false;
    }
    switch (klawisz()) {
        case klawisze::gora:
            kursor = kursor == 0 ? ostatni : kursor - 1;
            break;
        case klawisze::dol:
            kursor = kursor == ostatni ? 0 : kursor + 1;
            break;
        case klawisze::lewo:
        case klawisze::spacja:
            uruchom(kursor);
            ostrzec = true;
            break;
        default:
            break;
    }
}

void menu() {
    menu_od_poczatku();
    for (;;) menu_raz();
}
