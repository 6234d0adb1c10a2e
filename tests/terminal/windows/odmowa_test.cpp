#include "terminal/windows/odmowa.h"

#include <gtest/gtest.h>

namespace {
// Each test leaves the process as ctest starts it under wine: with no console.
struct bez_konsoli : testing::Test {
    void SetUp() override { FreeConsole(); }
    void TearDown() override { FreeConsole(); }
};

// A started process joins the console when it has run its start-up: waited for, within
// half the test's time limit.
bool w_ciagu_pol_minuty(bool (*warunek)()) {
    for (int i = 0; i < 300; ++i) {
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
    // It stays a while in the console it inherits and reads nothing from it.
    wchar_t polecenie[] = L"ping -n 60 127.0.0.1";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION p{};
    ASSERT_TRUE(
        CreateProcessW(nullptr, polecenie, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &p));
    EXPECT_TRUE(w_ciagu_pol_minuty([] { return !sam_w_konsoli(); }));
    TerminateProcess(p.hProcess, 0);
    WaitForSingleObject(p.hProcess, INFINITE);
    CloseHandle(p.hThread);
    CloseHandle(p.hProcess);
    EXPECT_TRUE(w_ciagu_pol_minuty(sam_w_konsoli));
}
