#pragma once
#include <windows.h>

#include <optional>

#include "terminal/klawiatura.h"

// One key-down event of the console as the game's key press, by virtual key code (the typed
// character alone loses the arrows, Escape and the F-keys). No press for a modifier key or
// the second half of a character outside the first Unicode plane.
std::optional<nacisniecie> nacisniecie_klawisza(WORD klawisz, wchar_t znak);
