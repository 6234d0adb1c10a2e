#include "terminal/windows/przerwania.h"

#include <atomic>

namespace {
std::atomic<bool> odebrano{false};
HANDLE pobudka = nullptr;
HANDLE oddana = nullptr;
// Windows ends the process this long after a close event at the latest.
constexpr DWORD czas_na_zamkniecie_ms = 4000;

// Runs on a thread of its own: it only records the event and lets the game's thread act.
BOOL WINAPI na_zdarzenie(DWORD zdarzenie) {
    odebrano = true;
    SetEvent(pobudka);
    // A blocked key read returns only with an input event: a focus event is one no game key
    // is made of. (Waiting on the input handle instead misses keys under wine once the game's
    // own screen buffer is active.)
    INPUT_RECORD r{};
    r.EventType = FOCUS_EVENT;
    DWORD zapisane = 0;
    WriteConsoleInputW(GetStdHandle(STD_INPUT_HANDLE), &r, 1, &zapisane);
    // After a close, logoff or shutdown returning ends the process at once.
    if (zdarzenie != CTRL_C_EVENT && zdarzenie != CTRL_BREAK_EVENT)
        WaitForSingleObject(oddana, czas_na_zamkniecie_ms);
    return TRUE;
}
}  // namespace

void przejmij_przerwania() {
    pobudka = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    oddana = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(na_zdarzenie, TRUE);
}

HANDLE budzik() {
    return pobudka;
}

void sprawdz_przerwanie() {
    if (odebrano) throw przerwanie{};
}

void konsola_oddana() {
    if (oddana != nullptr) SetEvent(oddana);
}
