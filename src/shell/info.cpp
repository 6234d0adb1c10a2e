#include "shell/zapis.h"
#include "terminal/konsola.h"

void info() {
    klawisze_ekranu pomoc(ekran_gry::info);
    cls();
    static const char* const wiersze[] = {
        "B R A M K O W I E C\n",
        "Autor: zespol Bramkowca",
        "Kontakt: przez repozytorium projektu Bramkowiec\n",
        "Wskazowki:",
        "Przy ustalaniu skladu nie pozwol by miec mniej niz 3 graczy w formacji obrony lub pomocy.",
        "Na sile zawodnika wplywa rowniez ilosc rozegranych meczy.",
        "Zwracaj uwage na bramkostrzelnosc zawodnika - ma ona wplyw na sile.",
        ("Pomiedzy sezonami sila zawodnikow mlodszych rosnie wiecej niz zawodnikow starszych, "
         "ktorych sila moze malec."),
        "Druzyna grajaca u siebie ma maly handicap.",
        "Pensja wplywa na morale druzyny, a morale druzyny wplywa na sile formacji.",
        "Na ilosc kibicow wplywa bilans meczow i bramek w danym sezonie.\n",
        "Zawodnik traci na wartosci i przestaje si\xc4\x99 rozwijac po 30 roku zycia.\n",
        "Zdobadz Mistrza Polski lub Puchar Polski !",
        "\nWersja 26.09.2021",
    };
    for (const char* w : wiersze) linia(w);
    klawisz();
}
