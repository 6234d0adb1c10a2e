#include "jezyk/jezyk.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "jezyk/katalog.h"

namespace {
std::map<std::string, std::string> otoczenie;

const char* zmienna(const char* nazwa) {
    const auto z = otoczenie.find(nazwa);
    return z == otoczenie.end() ? nullptr : z->second.c_str();
}
}  // namespace

TEST(Jezyk, TheFirstSetVariableInGettextsOrderNamesTheLanguage) {
    struct przypadek {
        std::map<std::string, std::string> zmienne;
        bool jest;
        jezyk j;
    };
    const auto en = jezyk::angielski, pl = jezyk::polski;
    for (const przypadek& p : {
             przypadek{{}, false, pl},
             {{{"LANG", ""}}, false, pl},
             {{{"LANG", "en_US.UTF-8"}}, true, en},
             {{{"LANG", "C.UTF-8"}}, true, pl},
             {{{"LANG", "POSIX"}}, true, pl},
             {{{"LANG", "pl_PL.UTF-8"}}, true, pl},
             {{{"LANG", "eo"}}, true, pl},
             {{{"LANGUAGE", "en"}, {"LANG", "pl_PL.UTF-8"}}, true, en},
             {{{"LANGUAGE", "de:en"}, {"LANG", "en_GB"}}, true, pl},
             {{{"LANGUAGE", "en_GB:pl"}}, true, en},
             {{{"LANGUAGE", ""}, {"LC_ALL", "pl_PL"}, {"LANG", "en_US"}}, true, pl},
             {{{"LC_MESSAGES", "en@quot"}, {"LANG", "pl_PL"}}, true, en},
             {{{"LC_ALL", "C"}, {"LC_MESSAGES", "en_US"}}, true, pl},
         }) {
        otoczenie = p.zmienne;
        jezyk j = jezyk::polski;
        EXPECT_EQ(jezyk_z_otoczenia(&j, zmienna), p.jest) << testing::PrintToString(p.zmienne);
        EXPECT_EQ(j, p.j) << testing::PrintToString(p.zmienne);
    }
}

TEST(Jezyk, TheCatalogueSkipsTheHeaderFuzzyAndUntranslatedMessagesAndReadsEscapes) {
    const auto k = wczytaj_katalog(R"(msgid ""
msgstr "Language: en\n"

#, c-format
msgid " Kasa : %d\n\r"
msgstr " Cash : %d\n\r"

#, fuzzy
msgid "tak"
msgstr "yes"

msgid "nie"
msgstr ""

msgid ""
"dwa "
"\"wiersze\"\t"
msgstr ""
"two "
"\"rows\"\t"

#~ msgid "stary"
#~ msgstr "old"
)");
    EXPECT_EQ(
        k, (std::unordered_map<std::string, std::string>{{" Kasa : %d\n\r", " Cash : %d\n\r"},
                                                         {"dwa \"wiersze\"\t", "two \"rows\"\t"}}));
}

TEST(Jezyk, PolishGivesBackTheTextItselfEnglishItsTranslationOrTheTextWhenNoneIsKnown) {
    const char* kasa = " Kasa : %d\n";
    ustaw_jezyk(jezyk::polski);
    EXPECT_EQ(przetlumacz(kasa), kasa);
    ustaw_jezyk(jezyk::angielski);
    EXPECT_STREQ(przetlumacz(kasa), " Cash : %d\n");
    EXPECT_STREQ(przetlumacz("K2_14"), "K2_14");
    ustaw_jezyk(jezyk::polski);
}
