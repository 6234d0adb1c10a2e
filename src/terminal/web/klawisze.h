#pragma once
#include <string_view>

#include "terminal/klawiatura.h"

// A turn of the mouse wheel over the grid, as the page names it.
inline constexpr std::string_view kolko_w_gore = "!kolko-w-gore";
inline constexpr std::string_view kolko_w_dol = "!kolko-w-dol";

// One key press as the page reports it: the name a browser gives the key (KeyboardEvent.key),
// "ArrowUp" or "PageUp" for special keys and the typed character itself for the others.
nacisniecie nacisniecie_przegladarki(std::string_view nazwa);
