#include "swiat.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "squad/gracze.h"
#include "terminal/ekran.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"

void prosta_liga(int liga, int druzyna, int sila) {
    for (int t = 0; t < zespoly::lig; ++t) {
        for (int s = 0; s < zespoly::druzyn; ++s) {
            std::snprintf(DR.nazwa[t][s], sizeof DR.nazwa[t][s], "K%d_%d", t, s);
            DR.sila[t][s] = sila;
        }
    }
    DR.sezon = 1995;
    DR.twojaliga = liga;
    DR.twojadruzyna = druzyna;
}

void dodaj_gracza(int pozycja, int umiejetnosci, int bramkostrzelnosc, int gra) {
    int i = 0;
    while (i < gracze::miejsc && GR.wiek[i] > 0) ++i;
    if (i == gracze::miejsc) return;
    std::snprintf(GR.imie[i], sizeof GR.imie[i], "Gracz%d", i);
    GR.pozycja[i] = pozycja;
    GR.umiejetnosci[i] = umiejetnosci;
    GR.bramkostrzelnosc[i] = bramkostrzelnosc;
    GR.sily[i] = 20;
    GR.wiek[i] = 25;
    GR.meczy[i] = 50;
    GR.gra[i] = gra;
}

void pelny_sklad() {
    GR.morale = 60;
    dodaj_gracza(0, 60, 0);
    for (int i = 0; i < 4; ++i) dodaj_gracza(1, 60, 0);
    for (int i = 0; i < 4; ++i) dodaj_gracza(2, 60, 8);
    for (int i = 0; i < 2; ++i) dodaj_gracza(3, 60, 10);
}

void sklad_z_jednym_strzelcem() {
    GR.morale = 60;
    dodaj_gracza(3, 80, 80);
    dodaj_gracza(0, 60, 0);
    for (int i = 0; i < 9; ++i) dodaj_gracza(1, 60, 0);
}

void klub_z_kontraktami() {
    ST.kasa = 1000000;
    ST.pojemnosc = 5000;
    ST.placa = 100;
    ST.poziom_ceny = 2;
    ST.policja = 10;
    ST.kwota_sponsora = 5000;
    std::snprintf(ST.nazwa_sponsora, sizeof ST.nazwa_sponsora, "Sponsor");
    ST.koszt_lowcy = 500;
    ST.propozycje_lowcy = 1;
    ST.liga = DR.twojaliga;
}

std::string wszystkie_ekrany(const skrypt& s) {
    std::string wszystko;
    for (const migawka& m : s.migawki()) wszystko += m.tekst() + "\n";
    return wszystko + biezacy_ekran().tekst();
}

bool pokazano(const skrypt& s, const std::string& tekst) {
    return wszystkie_ekrany(s).find(tekst) != std::string::npos;
}

int bilans_ogolny(const skrypt& s) {
    const std::string wszystko = wszystkie_ekrany(s);
    const std::string etykieta = " Bilans ogolny               :";
    const std::size_t gdzie = wszystko.rfind(etykieta);
    if (gdzie == std::string::npos) return 0;
    return std::stoi(wszystko.substr(gdzie + etykieta.size()));
}
