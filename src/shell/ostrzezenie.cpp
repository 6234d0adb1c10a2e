#include "shell/ostrzezenie.h"

#include <vector>

#include "club/boisko.h"
#include "shell/dzien_meczu.h"
#include "squad/gracze.h"

namespace {
// The loan clock's reading from which the menu warns of its term.
constexpr int ostrzegaj_od = boisko::termin_dlugu - 5;

std::string sily_linii() {
    const int o = GR.obrona();
    const int p = GR.pomoc();
    const int a = GR.atak();
    if (o != 0 && p != 0 && a != 0) return {};
    std::string tekst = "sila linii obr:" + std::to_string(o) + " pom:" + std::to_string(p) +
                        " at:" + std::to_string(a);
    std::string bez_sil;
    for (int i = 0; i < gracze::miejsc; ++i)
        if (GR.wiek[i] > 0 && GR.gra[i] == 1 && GR.sily[i] == 0)
            bez_sil += (bez_sil.empty() ? "" : ", ") + std::string(GR.imie[i]);
    if (!bez_sil.empty()) tekst += ", bez sil: " + bez_sil;
    return tekst;
}
}  // namespace

std::string ostrzezenie_przed_meczem() {
    std::vector<std::string> powody;
    const int wybranych = GR.sprawdzskl();
    if (wybranych < najmniej_graczy)
        powody.push_back("wybrano " + std::to_string(wybranych) + " zawodnikow, mniej niz " +
                         std::to_string(najmniej_graczy) + " oddaje mecz walkowerem");
    else if (std::string s = sily_linii(); !s.empty())
        powody.push_back(s);
    if (ST.zakaz_transferow())
        powody.push_back(std::string("termin dlugu minal: transfery zablokowane") +
                         (ST.dlug > 0 ? ", morale spada co mecz" : ""));
    else if (ST.dni_dlugu >= ostrzegaj_od)
        powody.push_back("dlug od " + std::to_string(ST.dni_dlugu) + " kolejek, od " +
                         std::to_string(boisko::termin_dlugu) + ". zakaz transferow");
    std::string tekst;
    for (const std::string& p : powody) tekst += (tekst.empty() ? "Uwaga: " : "; ") + p;
    return tekst;
}
