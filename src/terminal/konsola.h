#pragma once
#include <string>

#include "terminal/opis_ekranu.h"

class ekran;

// The console calls every screen of the game uses. Text goes into one screen buffer; the
// active terminal (the real one or a test script) shows it and supplies the keys.

void cls();
// 1-based column and row, as the screens give them; a position off the buffer is ignored.
void gotoxy(int x, int y);
// The console attribute byte: low nibble foreground, high nibble background (1 blue, 2 green,
// 4 red, 8 bright).
void kolor(int atrybut);
// The screens' ordinary text: bright white on black.
inline constexpr int kolor_tekstu = 15;
// printf conventions, printed character for character.
void drukuj(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The text followed by one newline.
void linia(const char* tekst);
// One key without echo: a byte 0..255; an arrow key comes as 224 followed by its code.
int klawisz();
void czekaj(int milisekundy);

// What the screen leaves unsaid, for the player to see until the next key the game reads
// (an arrow's two halves are one key); kept beside the screen buffer, never in it.
void komunikat_stanu(const std::string& tekst);
bool jest_komunikat_stanu();

// Names the screen that declares it, its keys for the help line (and what the screen adds to
// them, e.g. its colours) and its full help, until the end of the enclosing scope, when the
// previous screen's are back. The screen buffer is not touched.
class klawisze_ekranu {
  public:
    explicit klawisze_ekranu(ekran_gry id, const std::string& dopisek = {});
    ~klawisze_ekranu();
    klawisze_ekranu(const klawisze_ekranu&) = delete;
    klawisze_ekranu& operator=(const klawisze_ekranu&) = delete;

  private:
    std::string poprzednie_;
    ekran_gry poprzedni_;
};

// Says in words what the colours of the row the cursor is on tell, for the plain-text mode;
// the screen buffer is not touched.
void opis_wiersza(const char* slowa);

ekran& biezacy_ekran();
