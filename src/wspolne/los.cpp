#include "wspolne/los.h"

#include <deque>

namespace {
std::uint32_t stan = 1;
std::deque<int> podrzucone;
}  // namespace

int losuj() {
    if (!podrzucone.empty()) {
        int w = podrzucone.front();
        podrzucone.pop_front();
        return w;
    }
    stan = stan * 214013u + 2531011u;
    return static_cast<int>((stan >> 16) & 0x7fff);
}

void zasiej(std::uint32_t ziarno) {
    stan = ziarno;
}

void podrzuc(std::initializer_list<int> wartosci) {
    podrzucone.insert(podrzucone.end(), wartosci);
}

void podrzuc(const std::vector<int>& wartosci) {
    podrzucone.insert(podrzucone.end(), wartosci.begin(), wartosci.end());
}

std::size_t podrzuconych() {
    return podrzucone.size();
}

void wyczysc_podrzucone() {
    podrzucone.clear();
}
