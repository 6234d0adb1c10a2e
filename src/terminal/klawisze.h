#pragma once

// The key bytes the game reads from the console, as its key read returns them. An arrow comes
// as the prefix strzalka followed by its code; the codes are the bytes of 'H', 'P', 'K' and
// 'M', so those capitals act as arrows too.
namespace klawisze {
constexpr int strzalka = 224;
constexpr int gora = 72;
constexpr int dol = 80;
constexpr int lewo = 75;
constexpr int prawo = 77;
constexpr int enter = 13;
constexpr int spacja = 32;
constexpr int cofnij = 8;
// Any special key the console has no byte of its own for.
constexpr int inny_specjalny = 0;
// Yes at the save and load prompts.
constexpr int tak = 't';
}  // namespace klawisze
