#include "jezyk/katalog.h"

#include <cstdlib>

namespace {
// One quoted C string of a .po line, from its opening quote; the escapes msgfmt knows.
std::string napis(std::string_view w) {
    std::string wynik;
    for (std::size_t i = w.find('"') + 1; i < w.size() && w[i] != '"'; ++i) {
        if (w[i] != '\\' || i + 1 == w.size()) {
            wynik += w[i];
            continue;
        }
        switch (const char z = w[++i]) {
            case 'n':
                wynik += '\n';
                break;
            case 'r':
                wynik += '\r';
                break;
            case 't':
                wynik += '\t';
                break;
            case 'x': {
                const std::string cyfry(w.substr(i + 1, 2));
                wynik += static_cast<char>(std::strtol(cyfry.c_str(), nullptr, 16));
                i += 2;
                break;
            }
            default:
                wynik += z;
        }
    }
    return wynik;
}

struct wpis {
    std::string id, tekst;
    bool niepewny = false;
    std::string* biezacy = nullptr;
};

void dodaj(std::unordered_map<std::string, std::string>& k, wpis& w) {
    if (!w.id.empty() && !w.tekst.empty() && !w.niepewny) k.emplace(w.id, w.tekst);
    w = {};
}
}  // namespace

std::unordered_map<std::string, std::string> wczytaj_katalog(std::string_view po) {
    std::unordered_map<std::string, std::string> k;
    wpis w;
    while (!po.empty()) {
        const std::size_t koniec = po.find('\n');
        const std::string_view linia = po.substr(0, koniec);
        po.remove_prefix(koniec == std::string_view::npos ? po.size() : koniec + 1);
        if (linia.starts_with("msgid ")) {
            if (w.biezacy != nullptr) dodaj(k, w);
            w.id = napis(linia);
            w.biezacy = &w.id;
        } else if (linia.starts_with("msgstr ")) {
            w.tekst = napis(linia);
            w.biezacy = &w.tekst;
        } else if (linia.starts_with("\"") && w.biezacy != nullptr) {
            *w.biezacy += napis(linia);
        } else if (linia.starts_with("#,") && linia.find("fuzzy") != std::string_view::npos) {
            dodaj(k, w);
            w.niepewny = true;
        }
    }
    dodaj(k, w);
    return k;
}
