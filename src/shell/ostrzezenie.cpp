#include "shell/ostrzezenie.h"

#include <vector>

#include "club/boisko.h"
#include "jezyk/jezyk.h"
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
    std::string tekst = _("sila linii obr:") + std::to_string(o) + _(" pom:") + std::to_string(p) +
                        _(" at:") + std::to_string(a);
    std::string bez_sil;
    for (int i = 0; i < gracze::miejsc; ++i)
        if (GR.wiek[i] > 0 && GR.gra[i] == 1 && GR.sily[i] == 0)
            bez_sil += (bez_sil.empty() ? "" : ", ") + std::string(GR.imie[i]);
    if (!bez_sil.empty()) tekst += _(", bez sil: ") + bez_sil;
    return tekst;
}
}  // namespace

std::string ostrzezenie_przed_meczem() {
    std::vector<std::string> powody;
    const int wybranych = GR.sprawdzskl();
    if (wybranych < najmniej_graczy)
        powody.push_back(_("wybrano ") + std::to_string(wybranych) + _(" zawodnikow, mniej niz ") +
                         std::to_string(najmniej_graczy) + _(" oddaje mecz walkowerem"));
    else if (std::string s = sily_linii(); !s.empty())
        powody.push_back(s);
    if (ST.zakaz_transferow())
        powody.push_back(std::string(_("termin dlugu minal: transfery zablokowane")) +
                         (ST.dlug > 0 ? _(", morale spada co mecz") : ""));
    else if (ST.dni_dlugu >= ostrzegaj_od)
        powody.push_back(_("dlug od ") + std::to_string(ST.dni_dlugu) + _(" kolejek, od ") +
                         std::to_string(boisko::termin_dlugu) + _(". zakaz transferow"));
    std::string tekst;
    for (const std::string& p : powody) tekst += (tekst.empty() ? _("Uwaga: ") : "; ") + p;
    return tekst;
}
