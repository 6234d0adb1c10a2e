#include "terminal/windows/odmowa.h"

#include <gtest/gtest.h>

namespace {
// Each test leaves the process as ctest starts it under wine: with no console.
struct bez_konsoli : testing::Test {
    void SetUp() override { FreeConsole(); }
    void TearDown() override { FreeConsole(); }
};

// A program that stays a while in the console it inherits and reads nothing from it.
PROCESS_INFORMATION uruchom_towarzysza() {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION p{};
    wchar_t polecenie[] = L"ping -n 60 127.0.0.1";
    EXPECT_TRUE(
        CreateProcessW(nullptr, polecenie, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &p));
    return p;
}

// A started process joins the console when it has run its start-up: waited for, not timed.
bool w_ciagu_minuty(bool (*warunek)()) {
    for (int i = 0; i < 600; ++i) {
        if (warunek()) return true;
        Sleep(100);
    }
    return false;
}
}  // namespace

using OdmowaWindows = bez_konsoli;

// Started by a script or with redirections: nothing to keep open, so nothing to wait for.
TEST_F(OdmowaWindows, WithNoConsoleTheGameIsNotAlone) {
    EXPECT_FALSE(sam_w_konsoli());
}

// The window a double click opens belongs to the game alone.
TEST_F(OdmowaWindows, InAConsoleOfItsOwnTheGameIsAlone) {
    ASSERT_TRUE(AllocConsole());
    EXPECT_TRUE(sam_w_konsoli());
}

// Started from cmd, cmd shares the console and keeps the window open.
TEST_F(OdmowaWindows, AConsoleSharedWithAnotherProcessIsNotTheGamesAlone) {
    ASSERT_TRUE(AllocConsole());
    const PROCESS_INFORMATION p = uruchom_towarzysza();
    EXPECT_TRUE(w_ciagu_minuty([] { return !sam_w_konsoli(); }));
    TerminateProcess(p.hProcess, 0);
    WaitForSingleObject(p.hProcess, INFINITE);
    CloseHandle(p.hThread);
    CloseHandle(p.hProcess);
    EXPECT_TRUE(w_ciagu_minuty(sam_w_konsoli));
}

// A handle that is no console's input must not hold the game forever.
TEST_F(OdmowaWindows, TheWaitForAKeyEndsAtOnceWithNoConsoleToRead) {
    HANDLE czytaj = nullptr, pisz = nullptr;
    ASSERT_TRUE(CreatePipe(&czytaj, &pisz, nullptr, 0));
    czekaj_na_klawisz(czytaj);
    czekaj_na_klawisz(INVALID_HANDLE_VALUE);
    CloseHandle(czytaj);
    CloseHandle(pisz);
}
