#include "shell/dzien_meczu.h"

#include "club/boisko.h"
#include "league/zespoly.h"
#include "shell/mecz.h"
#include "shell/puchar.h"
#include "shell/sezon.h"
#include "squad/gracze.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"
#include "wspolne/rezultat.h"

namespace {
// One match of the user's club; the home side's name and goals always come first on screen.
struct mecz {
    int liga = 0;
    int rywal = 0;
    int gdzie = 0;  // 0 at home, 1 away
    int gole = 0;
    int gole_rywala = 0;
    int walkower = 0;
    int kibice = 0;
};

// Cup legs fall in even rounds, before that round's league match.
bool pora_na_puchar() {
    return DR.puchar > 0 && DR.nr_kolejki % 2 == 0 && DR.mecz_pucharowy != 1;
}

void oddaj_walkowerem(mecz& m, int wystawieni) {
    m.gole = 0;
    m.gole_rywala = 3;
    m.walkower = 1;
    drukuj("\n Niestety oddales mecz walkowerem. Wystawiles tylko %d zawodnikow.", wystawieni);
}

void pokaz_wynik(int gole_gospodarza, int gole_goscia) {
    klawisz();
    drukuj("\n            %d        :", gole_gospodarza);
    klawisz();
    drukuj("       %d", gole_goscia);
}

void rozegraj(mecz& m) {
    const int obr = GR.obrona();
    const int pom = GR.pomoc();
    const int at = GR.atak();
    const int s = DR.sila[m.liga][m.rywal];
    twojwynik(at, pom, obr, s, &m.gole, &m.gole_rywala);
    const char* twoja = DR.nazwa[DR.twojaliga][DR.twojadruzyna];
    const char* rywala = DR.nazwa[m.liga][m.rywal];
    if (m.gdzie == 0) {
        m.gole += losuj() % 2;
        drukuj("\n%20s vs ", twoja);
        drukuj("%s\r\n\n", rywala);
        drukuj(" obr:%d pom:%d at:%d vs  sila %d\n ", obr, pom, at, s);
        pokaz_wynik(m.gole, m.gole_rywala);
        m.kibice = DR.kibicow(ST.poziom_ceny);
    } else {
        m.gole_rywala += losuj() % 2;
        drukuj("\n%20s vs ", rywala);
        drukuj("%s\r\n\n", twoja);
        drukuj("            sila %d  vs  obr:%d pom:%d at:%d\n", s, obr, pom, at);
        pokaz_wynik(m.gole_rywala, m.gole);
    }
    klawisz();
}

void zaksieguj(const mecz& m) {
    const int ja = DR.twojadruzyna;
    if (m.gdzie == 0) {
        DR.zaksieguj(DR.twojaliga, ja, m.rywal, m.gole, m.gole_rywala);
    } else {
        DR.zaksieguj(DR.twojaliga, m.rywal, ja, m.gole_rywala, m.gole);
    }
}
}  // namespace

void nastepnymecz() {
    klawisze_ekranu pomoc(ekran_gry::mecz);
    cls();
    mecz m;
    m.liga = DR.twojaliga;
    m.rywal = DR.zkimmecz(&m.gdzie, DR.nr_kolejki);
    DR.mecz_pucharowy = pora_na_puchar() ? 1 : 0;
    if (DR.mecz_pucharowy == 1) {
        m.liga = DR.rywal_pucharu / zespoly::druzyn;
        m.rywal = DR.rywal_pucharu % zespoly::druzyn;
        m.gdzie = DR.puchar % 2;
        naglowek_pucharu();
    }
    const int wystawieni = GR.sprawdzskl();
    if (wystawieni < najmniej_graczy) {
        oddaj_walkowerem(m, wystawieni);
    } else {
        rozegraj(m);
    }
    int rezultat = rezultat_meczu(m.gole, m.gole_rywala);
    GR.ktostrzelil(m.gole);
    if (DR.mecz_pucharowy == 1) {
        po_meczu_pucharowym(m.gole, m.gole_rywala, m.walkower, &rezultat, &m.kibice);
    }
    GR.pomeczu(m.walkower);
    ST.pomeczu(m.kibice, rezultat, GR.ilegraczy(), &GR.morale, DR.twojaliga, m.walkower,
               DR.mecz_pucharowy);
    if (DR.mecz_pucharowy == 1) return;
    zaksieguj(m);
    for (int liga = 0; liga < zespoly::lig; ++liga) DR.graj(liga);
    GR.oferty = 0;
    ++DR.nr_kolejki;
    DR.mecz_pucharowy = 0;
    if (DR.nr_kolejki > zespoly::ostatnia_kolejka) koniecsezonu();
}
