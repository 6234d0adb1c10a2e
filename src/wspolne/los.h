#pragma once
#include <cstdint>
#include <initializer_list>
#include <source_location>
#include <vector>

// The game's one random source, with the console generator's range 0..32767. The caller's
// place is only for the draw log of a debugging build (BRAMKOWIEC_DZIENNIK_LOSOWAN).
int losuj(std::source_location skad = std::source_location::current());
void zasiej(std::uint32_t ziarno);
// Tests: the next values losuj() returns, before the generator is asked again.
void podrzuc(std::initializer_list<int> wartosci);
void podrzuc(const std::vector<int>& wartosci);
std::size_t podrzuconych();
void wyczysc_podrzucone();
