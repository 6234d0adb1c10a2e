#pragma once
#include <cstdint>
#include <initializer_list>
#include <vector>

// The game's one random source, with the console generator's range 0..32767.
int losuj();
void zasiej(std::uint32_t ziarno);
// Tests: the next values losuj() returns, before the generator is asked again.
void podrzuc(std::initializer_list<int> wartosci);
void podrzuc(const std::vector<int>& wartosci);
std::size_t podrzuconych();
void wyczysc_podrzucone();
