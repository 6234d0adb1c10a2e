#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "terminal/ekran.h"
#include "terminal/terminal.h"

// Keys were asked for after the script ran out: a test fails instead of hanging.
class brak_klawiszy : public std::runtime_error {
  public:
    explicit brak_klawiszy(const std::string& ekran_tekst)
        : std::runtime_error("keys ran out; screen:\n" + ekran_tekst) {}
};

// What the screen held when a key was read.
struct migawka {
    std::vector<std::string> wiersze;    // 300 rows, trailing blanks trimmed
    std::vector<std::uint8_t> atrybuty;  // 80 x 300, row by row
    int kursor_x = 0;
    int kursor_y = 0;
    std::string podpowiedz;  // the key help named by the screen, kept outside the rows
    std::string stan;        // the status message in force, also outside the rows

    std::string tekst() const;  // rows up to the last non-blank, joined by "\n"
    int atrybut(int kolumna, int wiersz) const {
        return atrybuty[wiersz * ekran::szerokosc + kolumna];
    }
};

// A terminal for tests and tools: keys from a queue (or from an autopilot once the queue is
// empty), a snapshot of the screen at every key read. Installs itself while it lives.
class skrypt : public terminal {
  public:
    using pilot = std::function<int(const ekran&)>;

    explicit skrypt(std::initializer_list<int> klawisze = {});
    ~skrypt() override;
    skrypt(const skrypt&) = delete;
    skrypt& operator=(const skrypt&) = delete;

    void dodaj(std::initializer_list<int> klawisze);
    // Every byte of the text is one key.
    void dodaj(std::string_view klawisze);
    void ustaw_pilota(pilot p) { pilot_ = std::move(p); }
    // Snapshots cost memory; long runs switch them off.
    void zapisuj_migawki(bool tak) { zapisuj_ = tak; }

    std::size_t pozostalo() const { return kolejka_.size(); }
    long odczytow() const { return odczytow_; }
    const std::vector<migawka>& migawki() const { return migawki_; }
    const std::vector<int>& pauzy() const { return pauzy_; }

    int klawisz(const ekran& e) override;
    void czekaj(int milisekundy, const ekran& e) override;

  private:
    std::deque<int> kolejka_;
    pilot pilot_;
    bool zapisuj_ = true;
    long odczytow_ = 0;
    std::vector<migawka> migawki_;
    std::vector<int> pauzy_;
    terminal* poprzedni_;
};
