#include "jezyk/jezyk.h"
#include "shell/zapis.h"
#include "terminal/konsola.h"

void info() {
    klawisze_ekranu pomoc(ekran_gry::info);
    cls();
    static const char* const wiersze[] = {
        N_("B R A M K O W I E C\n"),
        N_("Autor: zespol Bramkowca"),
        N_("Kontakt: przez repozytorium projektu Bramkowiec\n"),
        N_("Wskazowki:"),
        N_("Przy ustalaniu skladu nie pozwol by miec mniej niz 3 graczy w formacji obrony lub "
           "pomocy."),
        N_("Na sile zawodnika wplywa rowniez ilosc rozegranych meczy."),
        N_("Zwracaj uwage na bramkostrzelnosc zawodnika - ma ona wplyw na sile."),
        N_("Pomiedzy sezonami sila zawodnikow mlodszych rosnie wiecej niz zawodnikow starszych, "
           "ktorych sila moze malec."),
        N_("Druzyna grajaca u siebie ma maly handicap."),
        N_("Pensja wplywa na morale druzyny, a morale druzyny wplywa na sile formacji."),
        N_("Na ilosc kibicow wplywa bilans meczow i bramek w danym sezonie.\n"),
        N_("Zawodnik traci na wartosci i przestaje si\xc4\x99 rozwijac po 30 roku zycia.\n"),
        N_("Zdobadz Mistrza Polski lub Puchar Polski !"),
        N_("\nWersja 26.09.2021"),
    };
    for (const char* w : wiersze) linia(_(w));
    klawisz();
}
