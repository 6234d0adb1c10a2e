#pragma once
#include <windows.h>

// A refusal to start must stay on screen when the game has a console window of its own (the
// player double-clicked bramkowiec.exe): the window closes with the last process in it.

// Whether this process is the only one in its console; false with no console at all.
bool sam_w_konsoli();
// Reads the console's input up to and including the first key pressed; returns at once when
// wejscie cannot be read.
void czekaj_na_klawisz(HANDLE wejscie);
