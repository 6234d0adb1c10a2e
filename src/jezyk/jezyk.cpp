#include "jezyk/jezyk.h"

#include <string>
#include <string_view>
#include <unordered_map>

#include "jezyk/katalog.h"

namespace {
jezyk wybrany = jezyk::polski;

using katalog = std::unordered_map<std::string, std::string>;
}  // namespace

const katalog& katalog_angielski() {
    static const katalog k = wczytaj_katalog(katalog_en);
    return k;
}

void ustaw_jezyk(jezyk j) {
    wybrany = j;
}

bool jezyk_z_otoczenia(jezyk* j, const char* (*zmienna)(const char*)) {
    for (const char* nazwa : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* wartosc = zmienna(nazwa);
        if (wartosc == nullptr || *wartosc == '\0') continue;
        const std::string_view v = wartosc;
        // "en", "en_US.UTF-8", "en@quot", "en:pl", but not "eo" or "english".
        const bool en =
            v.starts_with("en") &&
            (v.size() == 2 || std::string_view("_.@:").find(v[2]) != std::string_view::npos);
        *j = en ? jezyk::angielski : jezyk::polski;
        return true;
    }
    return false;
}

const char* przetlumacz(const char* tekst) {
    if (wybrany == jezyk::polski || *tekst == '\0') return tekst;
    const katalog& k = katalog_angielski();
    const auto t = k.find(tekst);
    return t == k.end() ? tekst : t->second.c_str();
}
