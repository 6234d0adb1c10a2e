#include "terminal/opis_ekranu.h"

#include <array>
#include <sstream>

namespace {
struct opis {
    ekran_gry id;
    const char* klawisze;
    // Lines separated by '\n': the first names the screen.
    const char* tekst;
};

constexpr const char* dalej = "dowolny klawisz: dalej  PgUp/PgDn: przewin";

constexpr std::array<opis, 13> opisy{{
    {ekran_gry::brak, "", "POMOC\nDowolny klawisz: dalej."},
    {ekran_gry::menu, "gora/dol: wybor  spacja/lewo: wejdz  {wyjscie}",
     "MENU GLOWNE: klub, sezon, kolejka i najblizsze mecze.\n"
     "gora/dol: przesuwa znacznik <-- (z konca wraca na poczatek)\n"
     "spacja albo lewo: otwiera zaznaczona pozycje\n"
     "NASTEPNY MECZ: twoj mecz (w parzystej kolejce najpierw puchar), potem kolejka\n"
     "SKLAD: wybor jedenastki; SPRZEDARZ: Enter sprzedaje od razu\n"
     "KUPNO: rynek; STADION: krzeselka, budki, policja, placa, bilety\n"
     "BANK: pozyczka; ZAPIS/ODCZYT: jeden zapis gry; INFO: porady\n"
     "Uwaga: klawisz dziala od razu, nic nie da sie cofnac.\n"
     "Mniej niz 7 wybranych zawodnikow przegrywa mecz walkowerem.\n"
     "Zawodnik traci 1 punkt sily na mecz; ze sila 0 nic nie daje druzynie."},
    {ekran_gry::sklad, "gora/dol: wybor  lewo/prawo: gra/nie  spacja: wyjdz  ",
     "SKLAD: wybor zawodnikow na nastepny mecz (\"gra\" przy wybranych).\n"
     "gora/dol: przesuwa znacznik\n"
     "lewo albo prawo: wstawia zaznaczonego do skladu albo go wyjmuje\n"
     "Enter: nic\n"
     "spacja: wyjscie, tylko przy najwyzej 11 zawodnikach i 1 bramkarzu\n"
     "Kolory w linii klawiszy: BR bramkarz, OBR obronca, POM pomocnik, NAP napastnik\n"
     "Uwaga: mniej niz 7 wybranych przegrywa mecz walkowerem.\n"
     "Kazdy mecz odbiera grajacemu 1 punkt sily, odpoczynek poza skladem oddaje 5\n"
     "(do 20). Zawodnik z sila 0 nic nie daje druzynie: zmieniaj sklad.\n"
     "Mniej niz 3 obroncow albo pomocnikow oslabia te linie."},
    {ekran_gry::sprzedarz, "ENTER SPRZEDAJE OD RAZU!  gora/dol  spacja: wyjdz  ",
     "SPRZEDARZ: sprzedaz zawodnikow. Wyglada jak SKLAD, ale to inny ekran!\n"
     "gora/dol: przesuwa znacznik\n"
     "Enter: SPRZEDAJE zaznaczonego od razu, bez pytania, za kwote z kolumny cena\n"
     "lewo/prawo: nic\n"
     "spacja: wyjscie\n"
     "Uwaga: sprzedazy nie da sie cofnac."},
    {ekran_gry::kupno, "dol: kupujesz  gora: nastepny  spacja: zatwierdz  PgUp/PgDn: przewin",
     "KUPNO: rynek transferowy, oferty jedna po drugiej.\n"
     "dol: \"kupujesz\" (kupno zaznaczonej oferty)\n"
     "gora: \"nastepny\" (pominiecie oferty)\n"
     "spacja: wykonuje wybor i pokazuje nastepna oferte\n"
     "PgUp/PgDn: przewija okno\n"
     "Uwaga: kupno placi cene od razu; bez kasy transfer sie nie uda.\n"
     "W szatni miesci sie 20 zawodnikow. Od 20. kolejki dlugu PZPN zakazuje\n"
     "transferow."},
    {ekran_gry::oferta, "gora: tak  dol: nie  spacja: zatwierdz (tak podpisuje kontrakt)",
     "OFERTA sponsora albo lowcy talentow.\n"
     "gora: \"tak\"\n"
     "dol: \"nie\" (na poczatku jest \"nie\")\n"
     "spacja: wykonuje pokazana odpowiedz"},
    {ekran_gry::stadion, "gora/dol: wybor  lewo: wiecej  prawo: mniej (od razu)  spacja: wyjdz",
     "STADION: krzeselka, budki z hot-dogami, policja, placa i cena biletow.\n"
     "gora/dol: przesuwa znacznik <-\n"
     "lewo: WIECEJ w zaznaczonym wierszu, od razu i bez pytania\n"
     "prawo: MNIEJ w zaznaczonym wierszu, od razu\n"
     "spacja: wyjscie\n"
     "Uwaga: lewo przy budkach kupuje budke za 50000 zl (sprzedaz oddaje 25000).\n"
     "50 krzeselek kosztuje tyle, ile pokazuje ekran; sprzedaz oddaje polowe.\n"
     "Koszt albo zwrot zaznaczonego wiersza pokazuje linia na dole."},
    {ekran_gry::bank,
     "gora: oddajesz  dol: pobierasz  lewo/prawo: kwota  enter: wykonaj  spacja: wyjdz",
     "BANK: pozyczka i jej splata.\n"
     "gora: tryb \"oddajesz\" (splata)\n"
     "dol: tryb \"pobierasz\" (pozyczka)\n"
     "prawo/lewo: kwota w gore/w dol o 10000\n"
     "Enter: wykonuje; spacja: wyjscie\n"
     "Uwaga: napis \"Pobierasz/oddajesz (gora/dol)\" na ekranie ma klawisze\n"
     "odwrotnie: gora to oddajesz, dol to pobierasz.\n"
     "Splacac mozna od 10. kolejki ligowej z dlugiem, pozyczac do 19.\n"
     "Dlug rosnie o 0.5% co kolejke. Od 20. kolejki morale spada co mecz,\n"
     "a PZPN zakazuje transferow, dopoki dlug nie zostanie splacony."},
    {ekran_gry::pytanie, "t: tak  kazdy inny klawisz: nie",
     "PYTANIE o zapis albo odczyt gry.\n"
     "t: tak\n"
     "kazdy inny klawisz (takze strzalka): nie\n"
     "Uwaga: jest jeden zapis; nowy zastepuje poprzedni, odczyt zastepuje\n"
     "gre w toku."},
    {ekran_gry::powrot, "dowolny klawisz: powrot do menu",
     "KOMUNIKAT zapisu albo odczytu.\n"
     "dowolny klawisz: powrot do menu"},
    {ekran_gry::tabela, dalej,
     "TABELE lig, jedna po drugiej.\n"
     "dowolny klawisz: nastepna tabela, po ostatniej menu\n"
     "PgUp/PgDn: przewija okno"},
    {ekran_gry::mecz, dalej,
     "DZIEN MECZOWY: mecz, wyniki kolejki, rozliczenie.\n"
     "dowolny klawisz: dalej\n"
     "PgUp/PgDn: przewija okno\n"
     "Sily linii (obr/pom/at) licza tylko wybranych zawodnikow i ich sily."},
    {ekran_gry::info, "dowolny klawisz: powrot do menu  PgUp/PgDn: przewin",
     "INFO: porady dla trenera.\n"
     "dowolny klawisz: powrot do menu\n"
     "PgUp/PgDn: przewija okno"},
}};

const opis& znajdz(ekran_gry id) {
    for (const opis& o : opisy)
        if (o.id == id) return o;
    return opisy[0];
}
}  // namespace

std::string klawisze_ekranu_gry(ekran_gry id) {
    return znajdz(id).klawisze;
}

std::vector<std::string> opis_ekranu_gry(ekran_gry id) {
    std::vector<std::string> linie;
    std::istringstream tekst(znajdz(id).tekst);
    for (std::string l; std::getline(tekst, l);) linie.push_back(l);
    return linie;
}
