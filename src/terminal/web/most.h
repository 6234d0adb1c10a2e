#pragma once
#include <cstdint>
#include <span>
#include <string>

// The page's half of the web terminal lives in strona.js, in the object `bramkowiec`; these
// are the only calls between the game and the page.
namespace strona {

// Shows the window's cells (see klatka.h) with the cursor at a window row, none when -1.
void rysuj(std::span<const std::uint32_t> komorki, int kursor_x, int kursor_y);
// Whether an event is already waiting, so a burst of keys is read without a redraw each.
bool czeka_zdarzenie();
// Waits for the next event: a key by its browser name (see klawisze.h), or zdarzenie_wgrania.
std::string zdarzenie();
void uspij(int milisekundy);
// Writes the files kept in memory to the browser's storage; false when that fails.
bool utrwal();
// One message of a language's catalogue, for the page's own texts.
void slowo(const std::string& kod, const std::string& polskie, const std::string& przetlumaczone);
// Chooses the page's language, the catalogues handed over first, shows the page's own texts in
// it and tells its code.
std::string jezyk();
// A line for the player under the game's screen.
void komunikat(const std::string& tekst);
// The game's status message beside it, until the game clears it.
void stan(const std::string& tekst);

// Lines for the page's log, which a screen reader reads; several joined by "\n".
void powiedz(const std::string& linie);
// The player asked for the whole screen again (F2).
inline constexpr const char* zdarzenie_powtorzenia = "!powtorz";

// The page has put a saved game to check into katalog_wgrania.
inline constexpr const char* zdarzenie_wgrania = "!wgraj";
inline constexpr const char* katalog_wgrania = "/wgrane";
// The player switched the language: "!jezyk-" and its code, "!jezyk-en" or "!jezyk-pl".
inline constexpr const char* zdarzenie_jezyka = "!jezyk-";

}  // namespace strona
