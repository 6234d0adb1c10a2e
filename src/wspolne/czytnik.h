#pragma once
#include <cstddef>
#include <fstream>
#include <string>

// Reads a data file token by token (any run of white space separates) and says in Polish what
// is wrong with it, always in one shape: the file, then the line and field where known, then
// the fault. After the first error every read fails.
class czytnik {
  public:
    explicit czytnik(const char* sciezka);

    bool otwarty() const { return otwarty_; }
    bool dobry() const { return blad_.empty(); }
    const std::string& blad() const { return blad_; }

    // "%d": a signed 32-bit decimal, with an optional sign.
    bool liczba(int& wartosc);
    // "%lu": an unsigned 32-bit decimal kept as its two's complement (a sign is taken too).
    bool liczba_bez_znaku(int& wartosc);
    // "%s": one word of at most rozmiar - 1 characters, stored NUL-terminated.
    bool nazwa(char* cel, std::size_t rozmiar);
    // Only white space left.
    bool na_koncu();
    // Names the field the next values belong to, for the messages.
    void pole(const std::string& nazwa) { pole_ = nazwa; }
    // A value read correctly but out of its range.
    void zly_zakres(const std::string& co);
    // A fault of the file as a whole, not of one line.
    void zly_plik(const std::string& co);

  private:
    bool slowo(std::string& s);
    void zglos(const std::string& tekst);

    std::string sciezka_;
    std::ifstream plik_;
    bool otwarty_;
    int wiersz_ = 1;
    std::string pole_;
    std::string blad_;
};
