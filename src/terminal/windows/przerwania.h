#pragma once
#include <windows.h>

// Ctrl-C, Ctrl-Break or closing the console window came while the game ran. Thrown from the
// key read or pause it woke, so the game unwinds to the place that gives the console back.
struct przerwanie {};

// From now on those events only wake the game instead of ending the process: a blocked key
// read gets an input event and budzik() is signalled. Closing the window waits, a few seconds
// at most, for konsola_oddana().
void przejmij_przerwania();
// Signalled once an ending event has come: a pause waits on it.
HANDLE budzik();
// Throws przerwanie when an ending event has come.
void sprawdz_przerwanie();
// The console is back as it was found: a closing window may now end the process.
void konsola_oddana();
