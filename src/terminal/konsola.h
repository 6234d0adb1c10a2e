#pragma once
#include <string>

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

// Names the keys of the screen that declares it, for a window with room for a help line,
// until the end of the enclosing scope, when the previous screen's keys are back. "{N}"
// switches the help line to console attribute N. The screen buffer is not touched.
class klawisze_ekranu {
  public:
    explicit klawisze_ekranu(const char* tekst);
    ~klawisze_ekranu();
    klawisze_ekranu(const klawisze_ekranu&) = delete;
    klawisze_ekranu& operator=(const klawisze_ekranu&) = delete;

  private:
    std::string poprzednie_;
};

// Says in words what the colours of the row the cursor is on tell, for the plain-text mode;
// the screen buffer is not touched.
void opis_wiersza(const char* slowa);

ekran& biezacy_ekran();
