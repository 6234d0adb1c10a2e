#include "jezyk/jezyk.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <string_view>

#include "jezyk/katalog.h"

namespace {
const tlumaczenia* wybrany = nullptr;

bool mowimy(std::string_view kod) {
    return std::find(jezyki().begin(), jezyki().end(), kod) != jezyki().end();
}
}  // namespace

const std::vector<std::string>& jezyki() {
    static const auto kody = [] {
        std::vector<std::string> k{"pl"};
        for (const plik_po& p : pliki_po) k.emplace_back(p.kod);
        return k;
    }();
    return kody;
}

// A catalogue is read the first time its language is asked for: a Polish game reads none.
const tlumaczenia& katalog_jezyka(std::string_view kod) {
    static std::map<std::string, tlumaczenia, std::less<>> wczytane;
    static const tlumaczenia polski;
    if (const auto w = wczytane.find(kod); w != wczytane.end()) return w->second;
    for (const plik_po& p : pliki_po) {
        if (kod == p.kod) return wczytane.emplace(p.kod, wczytaj_katalog(p.tekst)).first->second;
    }
    return polski;
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
