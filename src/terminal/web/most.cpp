#include "terminal/web/most.h"

#include <emscripten.h>

namespace {
constexpr int najdluzsza_nazwa = 64;

EM_JS(void, js_rysuj, (const std::uint32_t* komorki, int ile, int kx, int ky),
      { bramkowiec.rysuj(HEAPU32.subarray(komorki >> 2, (komorki >> 2) + ile), kx, ky); });

EM_JS(int, js_czeka_zdarzenie, (), { return bramkowiec.zdarzenia.length > 0 ? 1 : 0; });

EM_ASYNC_JS(void, js_zdarzenie, (char* bufor, int rozmiar),
            { stringToUTF8(await bramkowiec.zdarzenie(), bufor, rozmiar); });

// The JavaScript stays in strona.js: clang-format would split its arrows here.
EM_ASYNC_JS(void, js_uspij, (int milisekundy), { await bramkowiec.uspij(milisekundy); });

EM_ASYNC_JS(int, js_utrwal, (), { return (await bramkowiec.utrwal()) ? 1 : 0; });

EM_JS(void, js_jezyk, (char* bufor, int rozmiar), {
    bramkowiec.wybierzJezyk();
    bramkowiec.przetlumaczStrone();
    stringToUTF8(bramkowiec.jezyk, bufor, rozmiar);
});

EM_JS(void, js_slowo, (const char* kod, const char* polskie, const char* przetlumaczone), {
    bramkowiec.slowo(UTF8ToString(kod), UTF8ToString(polskie), UTF8ToString(przetlumaczone));
});

EM_JS(void, js_komunikat, (const char* tekst), { bramkowiec.komunikat(UTF8ToString(tekst)); });

EM_JS(void, js_powiedz, (const char* linie), { bramkowiec.powiedz(UTF8ToString(linie)); });

EM_JS(void, js_stan, (const char* tekst), { bramkowiec.stan(UTF8ToString(tekst)); });
}  // namespace

namespace strona {

void rysuj(std::span<const std::uint32_t> komorki, int kursor_x, int kursor_y) {
    js_rysuj(komorki.data(), static_cast<int>(komorki.size()), kursor_x, kursor_y);
}

bool czeka_zdarzenie() {
    return js_czeka_zdarzenie() != 0;
}

std::string zdarzenie() {
    char bufor[najdluzsza_nazwa] = {};
    js_zdarzenie(bufor, najdluzsza_nazwa);
    return bufor;
}

void uspij(int milisekundy) {
    js_uspij(milisekundy);
}

bool utrwal() {
    return js_utrwal() != 0;
}

void slowo(const std::string& kod, const std::string& polskie, const std::string& przetlumaczone) {
    js_slowo(kod.c_str(), polskie.c_str(), przetlumaczone.c_str());
}

std::string jezyk() {
    char bufor[najdluzsza_nazwa] = {};
    js_jezyk(bufor, najdluzsza_nazwa);
    return bufor;
}

void komunikat(const std::string& tekst) {
    js_komunikat(tekst.c_str());
}

void powiedz(const std::string& linie) {
    js_powiedz(linie.c_str());
}

void stan(const std::string& tekst) {
    js_stan(tekst.c_str());
}

}  // namespace strona
