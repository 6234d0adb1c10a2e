#pragma once
#include <string_view>

#include "terminal/klawiatura.h"

// One key press as the page reports it: the name a browser gives the key (KeyboardEvent.key),
// "ArrowUp" or "Enter" for special keys and the typed character itself for the others.
nacisniecie nacisniecie_przegladarki(std::string_view nazwa);
