#include "shell/komplet.h"

#include <cstdio>
#include <system_error>
#include <vector>

#include "jezyk/jezyk.h"
#include "shell/utrwal.h"

namespace fs = std::filesystem;

namespace komplet {
namespace {

bool blad_zapisu(std::string* blad, const std::string& tekst) {
    if (blad != nullptr) *blad = tekst;
    return false;
}

void usun(const fs::path& sciezka) {
    std::error_code e;
    fs::remove(sciezka, e);
}

void porzuc(const fs::path& katalog, std::span<const plik> pliki) {
    for (const plik& p : pliki) usun(tymczasowy(katalog / p.nazwa));
    usun(tymczasowy(znacznik(katalog)));
}

bool zatwierdz(const fs::path& katalog) {
    const fs::path z = znacznik(katalog);
    const fs::path t = tymczasowy(z);
    std::FILE* f = std::fopen(t.string().c_str(), "w");
    if (f == nullptr) return false;
    const bool zapisany = std::fputs("zapis kompletny\n", f) >= 0;
    if (std::fclose(f) != 0 || !zapisany || !utrwal(t)) return false;
    std::error_code e;
    fs::rename(t, z, e);
    return !e;
}

}  // namespace

fs::path tymczasowy(const fs::path& plik) {
    fs::path t = plik;
    t += ".tmp";
    return t;
}

fs::path znacznik(const fs::path& katalog) {
    return katalog / "zapis.gotowy";
}

bool dokoncz(const fs::path& katalog, std::span<const std::string> nazwy, std::string* blad) {
    const fs::path z = znacznik(katalog);
    usun(tymczasowy(z));
    std::error_code e;
    if (!fs::exists(z, e)) {
        // Never committed: the old set is still whole, the new files mean nothing.
        for (const std::string& n : nazwy) usun(tymczasowy(katalog / n));
        return true;
    }
    for (const std::string& n : nazwy) {
        const fs::path t = tymczasowy(katalog / n);
        if (!fs::exists(t, e)) continue;  // already in place
        fs::rename(t, katalog / n, e);
        if (e) return blad_zapisu(blad, _("nie mozna przeniesc pliku ") + t.string());
    }
    if (!utrwal(katalog))
        return blad_zapisu(blad, _("nie mozna utrwalic katalogu ") + katalog.string());
    fs::remove(z, e);
    if (e) return blad_zapisu(blad, _("nie mozna usunac pliku ") + z.string());
    utrwal(katalog);
    return true;
}

bool zapisz(const fs::path& katalog, std::span<const plik> pliki, std::string* blad) {
    std::error_code e;
    fs::create_directories(katalog, e);
    if (e) return blad_zapisu(blad, _("nie mozna utworzyc katalogu ") + katalog.string());
    std::vector<std::string> nazwy;
    for (const plik& p : pliki) nazwy.push_back(p.nazwa);
    if (!dokoncz(katalog, nazwy, blad)) return false;
    for (const plik& p : pliki) {
        const fs::path t = tymczasowy(katalog / p.nazwa);
        if (!p.zapisz(t.string().c_str()) || !utrwal(t)) {
            porzuc(katalog, pliki);
            return blad_zapisu(blad, _("nie mozna zapisac pliku ") + (katalog / p.nazwa).string());
        }
    }
    if (!zatwierdz(katalog)) {
        porzuc(katalog, pliki);
        return blad_zapisu(blad, _("nie mozna zatwierdzic zapisu w katalogu ") + katalog.string());
    }
    return dokoncz(katalog, nazwy, blad);
}

}  // namespace komplet
