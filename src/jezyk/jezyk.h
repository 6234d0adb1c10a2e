#pragma once
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The player's language by its code: "pl", the game's own, or the code of a catalogue built
// from po/<code>.po. In Polish every text is its own message id and comes back unchanged, so the
// Polish game is exactly what it always was; another language looks the Polish text up in its
// catalogue, and a text the catalogue lacks stays Polish.
using tlumaczenia = std::unordered_map<std::string, std::string>;

// "pl" first, then the code of every catalogue, in order.
const std::vector<std::string>& jezyki();

// A code the game has no catalogue for is Polish.
void ustaw_jezyk(std::string_view kod);

// gettext's order: the first of LANGUAGE, LC_ALL, LC_MESSAGES, LANG that is set and not empty
// names the language. Its entries (a colon list, as LANGUAGE may be) are tried in turn, each by
// its language ("en_US.UTF-8" is en): the first the game speaks, installed on the machine or
// not, wins; none is Polish, as are C and POSIX. Nothing set: no answer, the platform decides.
std::optional<std::string> jezyk_z_otoczenia(
    const char* (*zmienna)(const char*) = [](const char* n) {
        return static_cast<const char*>(std::getenv(n));
    });

// The text in the player's language; format_arg keeps printf's check on the Polish literal.
const char* przetlumacz(const char* tekst) __attribute__((format_arg(1)));
// A language's catalogue whole, for a page that translates its own texts; Polish's is empty.
const tlumaczenia& katalog_jezyka(std::string_view kod);

// gettext's markers, which xgettext collects into po/bramkowiec.pot: _() translates where the
// text is used, N_() only marks a text in a static table, translated where it is shown.
#define _(tekst) przetlumacz(tekst)
#define N_(tekst) tekst
