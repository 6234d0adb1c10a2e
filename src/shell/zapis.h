#pragma once

// The save slot in the directory "save": "ZAPIS", "ODCZYT" and the "INFO" screen.
void zapis();
void odczyt();
void info();
