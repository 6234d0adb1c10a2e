#include "jezyk/jezyk.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <string_view>

#include "jezyk/katalog.h"

namespace {
const std::map<std::string, tlumaczenia, std::less<>>& katalogi() {
    static const auto k = [] {
        std::map<std::string, tlumaczenia, std::less<>> wszystkie;
        for (const plik_po& p : pliki_po) wszystkie.emplace(p.kod, wczytaj_katalog(p.tekst));
        return wszystkie;
    }();
    return k;
}

const tlumaczenia* wybrany = nullptr;

bool mowimy(std::string_view kod) {
    return std::find(jezyki().begin(), jezyki().end(), kod) != jezyki().end();
}
}  // namespace

const std::vector<std::string>& jezyki() {
    static const auto kody = [] {
        std::vector<std::string> k{"pl"};
        for (const auto& kod_i_katalog : katalogi()) k.push_back(kod_i_katalog.first);
        return k;
    }();
    return kody;
}

const tlumaczenia& katalog_jezyka(std::string_view kod) {
    static const tlumaczenia polski;
    const auto k = katalogi().find(kod);
    return k == katalogi().end() ? polski : k->second;
}

void ustaw_jezyk(std::string_view kod) {
    const tlumaczenia& k = katalog_jezyka(kod);
    wybrany = k.empty() ? nullptr : &k;
}

std::optional<std::string> jezyk_z_otoczenia(const char* (*zmienna)(const char*)) {
    for (const char* nazwa : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* wartosc = zmienna(nazwa);
        if (wartosc == nullptr || *wartosc == '\0') continue;
        std::istringstream wpisy(wartosc);
        for (std::string wpis; std::getline(wpisy, wpis, ':');) {
            // "en", "en_US.UTF-8", "en@quot" are en; "english" is no language the game speaks.
            const std::string kod = wpis.substr(0, wpis.find_first_of("_.@"));
            if (mowimy(kod)) return kod;
        }
        return "pl";
    }
    return std::nullopt;
}

const char* przetlumacz(const char* tekst) {
    if (wybrany == nullptr || *tekst == '\0') return tekst;
    const auto t = wybrany->find(tekst);
    return t == wybrany->end() ? tekst : t->second.c_str();
}
