#pragma once
#include <cstdlib>
#include <string>
#include <unordered_map>

// The player's language. Polish is the game's own: every text is its own message id and comes
// back unchanged, so the Polish game is exactly what it always was. English looks the Polish
// text up in the catalogue built from po/en.po; a text it lacks stays Polish.
enum class jezyk { polski, angielski };

void ustaw_jezyk(jezyk j);

// gettext's order: the first of LANGUAGE (its first entry), LC_ALL, LC_MESSAGES, LANG that is
// set and not empty names the language; English when it is English (installed on the machine
// or not), Polish otherwise, also for C and POSIX. Nothing set: no answer, the platform decides.
bool jezyk_z_otoczenia(
    jezyk* j, const char* (*zmienna)(const char*) = [](const char* n) {
        return static_cast<const char*>(std::getenv(n));
    });

// The text in the player's language; format_arg keeps printf's check on the Polish literal.
const char* przetlumacz(const char* tekst) __attribute__((format_arg(1)));
// The English catalogue whole, for a page that translates its own texts.
const std::unordered_map<std::string, std::string>& katalog_angielski();

// gettext's markers, which xgettext collects into po/bramkowiec.pot: _() translates where the
// text is used, N_() only marks a text in a static table, translated where it is shown.
#define _(tekst) przetlumacz(tekst)
#define N_(tekst) tekst
