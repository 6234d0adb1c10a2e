#include <string>

#include "club/boisko.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"
#include "wspolne/pieniadze.h"

namespace {

enum wiersz { krzeselka, koszt, budek, policji, placy, ocena_placy, ceny, ostatni = ceny };

constexpr int cena_budki = 50000;
constexpr int zwrot_za_budke = 25000;

int koszt_krzeselek(int pojemnosc) {
    return pojemnosc / 2 + 10000;
}

// Selling back the last 50 seats returns half of what they cost.
int zwrot_za_krzeselka(int pojemnosc) {
    return (pojemnosc - 50) / 4 + 5000;
}

std::string zl(int kwota) {
    return std::to_string(kwota) + " zl";
}

// What one step left and right does to the marked row, as podnies and obniz decide it.
std::string skutek_kroku(const boisko& st, int kursor) {
    switch (kursor) {
        case krzeselka:
            return std::string(st.kasa > koszt_krzeselek(st.pojemnosc)
                                   ? "lewo: 50 krzeselek za " + zl(koszt_krzeselek(st.pojemnosc))
                                   : "lewo: za malo kasy na 50 krzeselek (" +
                                         zl(koszt_krzeselek(st.pojemnosc)) + ")") +
                   (st.pojemnosc > 50
                        ? "  prawo: sprzedaz 50 za " + zl(zwrot_za_krzeselka(st.pojemnosc))
                        : "  prawo: nic (najmniej 50)");
        case budek:
            return std::string(st.kasa > cena_budki
                                   ? "lewo: budka za " + zl(cena_budki)
                                   : "lewo: za malo kasy na budke (" + zl(cena_budki) + ")") +
                   (st.budki > 0 ? "  prawo: sprzedaz budki za " + zl(zwrot_za_budke)
                                 : "  prawo: nic (brak budek)");
        case policji:
            return st.policja > 0 ? "lewo: policjant wiecej  prawo: policjant mniej"
                                  : "lewo: policjant wiecej  prawo: nic (brak policji)";
        case placy:
            return st.placa > 50 ? "lewo: placa +50 na mecz  prawo: placa -50 na mecz"
                                 : "lewo: placa +50 na mecz  prawo: nic (najmniej 50)";
        case ceny:
            return std::string(st.poziom_ceny < 3 ? "lewo: bilet po " +
                                                        zl(cena_biletu(st.liga, st.poziom_ceny + 1))
                                                  : "lewo: nic (najwyzsza cena)") +
                   (st.poziom_ceny > 0
                        ? "  prawo: bilet po " + zl(cena_biletu(st.liga, st.poziom_ceny - 1))
                        : "  prawo: nic (za darmo)");
        default:
            return "lewo/prawo: nic w tym wierszu";
    }
}

void drukuj_cene(int liga, int poziom) {
    const int p = cena_biletu(liga, poziom);
    switch (poziom) {
        case 0:
            drukuj("%d zl to za darmo !", p);
            break;
        case 1:
            drukuj("%d zl - niska", p);
            break;
        case 2:
            drukuj("%d zl - odpowiednia", p);
            break;
        case 3:
            drukuj("%d zl - duza", p);
            break;
        default:
            break;
    }
}

void podnies(boisko& st, int kursor) {
    switch (kursor) {
        case krzeselka:
            if (st.kasa > koszt_krzeselek(st.pojemnosc)) {
                dodaj(st.kasa, -koszt_krzeselek(st.pojemnosc));
                dodaj(st.pojemnosc, 50);
            }
            break;
        case budek:
            if (st.kasa > cena_budki) {
                dodaj(st.budki, 1);
                dodaj(st.kasa, -cena_budki);
            }
            break;
        case policji:
            dodaj(st.policja, 1);
            break;
        case placy:
            dodaj(st.placa, 50);
            break;
        case ceny:
            if (st.poziom_ceny < 3) ++st.poziom_ceny;
            break;
        default:
            break;
    }
}

void obniz(boisko& st, int kursor) {
    switch (kursor) {
        case krzeselka:
            if (st.pojemnosc > 50) {
                dodaj(st.kasa, zwrot_za_krzeselka(st.pojemnosc));
                st.pojemnosc -= 50;
            }
            break;
        case budek:
            if (st.budki > 0) {
                --st.budki;
                dodaj(st.kasa, zwrot_za_budke);
            }
            break;
        case policji:
            if (st.policja > 0) --st.policja;
            break;
        case placy:
            if (st.placa > 50) st.placa -= 50;
            break;
        case ceny:
            if (st.poziom_ceny > 0) --st.poziom_ceny;
            break;
        default:
            break;
    }
}

}  // namespace

void boisko::pokaz() const {
    static const char* const slowa_placy[] = {"fatalne!", "skompe",   "skromne",   "srednie",
                                              "duze",     "ogromne!", "zajebiste!"};
    cls();
    kolor(kolor_tekstu);
    drukuj("   S T A D I O N\n\n\r");
    drukuj(" Kasa: %d\n\r", kasa);
    drukuj(" Pojemnosc %u krzeselek\n\r", static_cast<unsigned>(pojemnosc));
    drukuj(" Koszt 50 krzeselek: %u \n\r", static_cast<unsigned>(koszt_krzeselek(pojemnosc)));
    drukuj(" Hot-Dog butki \t   : %d\n\r", budki);
    drukuj(" Policja           : %d\n\r", policja);
    drukuj(" Placa dla pilkarzy: %u na mecz\n\r", static_cast<unsigned>(placa));
    drukuj(" Wynagrodzenie: %s", slowa_placy[zarobki(placa, liga)]);
    drukuj("\n Cena biletow: ");
    drukuj_cene(liga, poziom_ceny);
}

void boisko::stadion() {
    klawisze_ekranu pomoc(ekran_gry::stadion);
    int kursor = 0;
    for (;;) {
        pokaz();
        gotoxy(35, kursor + 4);
        drukuj("<-");
        komunikat_stanu(skutek_kroku(*this, kursor));
        const int k = klawisz();
        if (k == klawisze::spacja) return;
        if (k == klawisze::gora && kursor > 0) --kursor;
        if (k == klawisze::dol && kursor < ostatni) ++kursor;
        if (k == klawisze::lewo) podnies(*this, kursor);
        if (k == klawisze::prawo) obniz(*this, kursor);
    }
}
