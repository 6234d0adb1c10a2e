#pragma once
#include <string>

// A SIGINT, SIGTERM or SIGHUP came while the game ran in the window. Thrown from the key
// read or pause it interrupted, so the game unwinds to the place that ends curses.
struct przerwanie {
    int sygnal;
};

// Saves the terminal settings as the shell left them; call before curses starts.
void zapamietaj_terminal();
// From now on SIGINT, SIGTERM and SIGHUP only raise a flag (the blocked key read returns),
// and a crash first writes `przywrocenie` to the terminal and puts back the settings
// zapamietaj_terminal saved.
void przejmij_sygnaly(const std::string& przywrocenie);
// Curses has been ended the ordinary way: a later crash has nothing to restore.
void terminal_przywrocony();
// Throws przerwanie when an ending signal has come.
void sprawdz_sygnal();
