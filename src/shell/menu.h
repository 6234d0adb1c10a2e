#pragma once

// The main menu; never returns.
[[noreturn]] void menu();

// One pass of the menu: draw it, read one key, act on it. The marker's place is kept
// between passes for the whole run.
void menu_raz();
// Puts the marker back on the first entry, as when the menu starts.
void menu_od_poczatku();
