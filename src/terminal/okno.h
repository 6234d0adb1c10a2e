#pragma once
#include <string>

// The game in a real window: the entry point every terminal backend (curses today) implements
// and the game binary calls.

// Whether the game can run here: standard input and output must be a terminal of a type
// (TERM) that can place the cursor. When not, a one-line Polish reason in *blad.
bool sprawdz_terminal(std::string* blad);

// Runs the game in the window and returns the process status. However the game ends (an
// error, SIGINT, SIGTERM, SIGHUP) the terminal is left as it was found; an ending signal
// then ends the process with that same signal.
int w_oknie(void (*gra)());
