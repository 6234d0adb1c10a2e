#pragma once
#include <cstdint>
#include <initializer_list>
#include <vector>

// The game's one random source, with the console generator's range 0..32767. The arguments
// are the caller's place, filled in at the call site, for the draw log of a debugging build
// (BRAMKOWIEC_DZIENNIK_LOSOWAN); they are the builtins std::source_location stands on, as
// clang 14 with libstdc++ has no std::source_location.
int losuj(const char* plik = __builtin_FILE(), int wiersz = __builtin_LINE(),
          const char* funkcja = __builtin_FUNCTION());
void zasiej(std::uint32_t ziarno);
// Tests: the next values losuj() returns, before the generator is asked again.
void podrzuc(std::initializer_list<int> wartosci);
void podrzuc(const std::vector<int>& wartosci);
std::size_t podrzuconych();
void wyczysc_podrzucone();
