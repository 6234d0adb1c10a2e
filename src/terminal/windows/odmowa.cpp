#include "terminal/windows/odmowa.h"

#include <cstdio>
#include <string>

#include "terminal/okno.h"
#include "terminal/okno_bazowe.h"

bool sam_w_konsoli() {
    // Room for two is enough to tell one from more.
    DWORD procesy[2];
    return GetConsoleProcessList(procesy, 2) == 1;
}

// A key's release, the mouse or a resize is no answer: the release of the key that started
// the game (Enter in Explorer) may still be on its way.
void czekaj_na_klawisz(HANDLE wejscie) {
    INPUT_RECORD zdarzenie;
    DWORD ile = 0;
    while (ReadConsoleInputW(wejscie, &zdarzenie, 1, &ile) && ile == 1) {
        if (zdarzenie.EventType == KEY_EVENT && zdarzenie.Event.KeyEvent.bKeyDown) return;
    }
}

std::string wskazowka_plikow() {
    return "Gra czyta swoje piec plikow z folderu, w ktorym ja uruchomiono: uruchom "
           "bramkowiec.exe w folderze rozpakowanego archiwum.";
}

// Started from cmd the text stays in its window; alone, the window would vanish with it unread.
int odmowa_startu(const std::string& powod) {
    na_stderr(powod);
    if (sam_w_konsoli()) {
        std::fputs("Nacisnij dowolny klawisz, aby zamknac okno.\n", stderr);
        czekaj_na_klawisz(GetStdHandle(STD_INPUT_HANDLE));
    }
    return 1;
}
