#pragma once
#include <string>

// The game in a real window: the entry point every terminal backend (curses, the Windows
// console, the browser) implements and the game binary calls.

// Sets the player's language (jezyk/jezyk.h) the way this platform's player chooses it: the
// environment's variables, on Windows then the user's interface language, in the browser the
// page's switch. Called first, so every message, a refusal too, is in that language.
void wybierz_jezyk();

// Whether the game can run here: standard input and output must be the terminal (for curses,
// of a type in TERM that can place the cursor). When not, a one-line Polish reason in *blad.
bool sprawdz_terminal(std::string* blad);

// The line that tells this platform's player where the game looks for its five start-up
// files, shown when one is missing.
std::string wskazowka_plikow();

// Tells the player why the game cannot start (powod may have several lines) so that it can be
// read where this platform's player looks, and returns the process status.
int odmowa_startu(const std::string& powod);

// Runs the game in the window and returns the process status. However the game ends (an
// error, SIGINT, SIGTERM, SIGHUP; on Windows Ctrl-C, Ctrl-Break, closing the window) the
// terminal is left as it was found; an ending signal then ends the process with that signal.
int w_oknie(void (*gra)());
