#include "jezyk/jezyk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "jezyk/katalog.h"

namespace {
std::map<std::string, std::string> otoczenie;

const char* zmienna(const char* nazwa) {
    const auto z = otoczenie.find(nazwa);
    return z == otoczenie.end() ? nullptr : z->second.c_str();
}
}  // namespace

// qaa is reserved for local use: no catalogue will ever be it.
TEST(Jezyk, TheFirstSetVariableInGettextsOrderNamesTheFirstLanguageTheGameSpeaks) {
    struct przypadek {
        std::map<std::string, std::string> zmienne;
        std::optional<std::string> kod;
    };
    for (const przypadek& p : {
             przypadek{{}, std::nullopt},
             {{{"LANG", ""}}, std::nullopt},
             {{{"LANG", "en_US.UTF-8"}}, "en"},
             {{{"LANG", "C.UTF-8"}}, "pl"},
             {{{"LANG", "POSIX"}}, "pl"},
             {{{"LANG", "pl_PL.UTF-8"}}, "pl"},
             {{{"LANG", "qaa"}}, "pl"},
             {{{"LANG", "english"}}, "pl"},
             {{{"LANGUAGE", "en"}, {"LANG", "pl_PL.UTF-8"}}, "en"},
             {{{"LANGUAGE", "qaa:en"}, {"LANG", "pl_PL"}}, "en"},
             {{{"LANGUAGE", "pl:en"}}, "pl"},
             {{{"LANGUAGE", "qaa"}, {"LANG", "en_GB"}}, "pl"},
             {{{"LANGUAGE", "en_GB:pl"}}, "en"},
             {{{"LANGUAGE", ""}, {"LC_ALL", "pl_PL"}, {"LANG", "en_US"}}, "pl"},
             {{{"LC_MESSAGES", "en@quot"}, {"LANG", "pl_PL"}}, "en"},
             {{{"LC_ALL", "C"}, {"LC_MESSAGES", "en_US"}}, "pl"},
         }) {
        otoczenie = p.zmienne;
        EXPECT_EQ(jezyk_z_otoczenia(zmienna), p.kod) << testing::PrintToString(p.zmienne);
    }
}

// A translator adds a language with its .po file alone: the build makes it one of the game's.
TEST(Jezyk, EveryPoFileOfTheSourcesIsALanguageAfterPolish) {
    std::vector<std::string> kody{"pl"};
    std::set<std::string> pliki;
    for (const auto& p :
         std::filesystem::directory_iterator(std::filesystem::path(DANE_DIR) / "../po"))
        if (p.path().extension() == ".po") pliki.insert(p.path().stem().string());
    kody.insert(kody.end(), pliki.begin(), pliki.end());
    EXPECT_EQ(jezyki(), kody);
    EXPECT_GT(kody.size(), 1u);
    for (const std::string& kod : kody) EXPECT_EQ(katalog_jezyka(kod).empty(), kod == "pl") << kod;
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

TEST(Jezyk, PolishOrAnUnknownCodeGivesBackTheTextEnglishItsTranslationOrTheTextWhenNoneIsKnown) {
    const char* kasa = " Kasa : %d\n";
    ustaw_jezyk("pl");
    EXPECT_EQ(przetlumacz(kasa), kasa);
    ustaw_jezyk("en");
    EXPECT_STREQ(przetlumacz(kasa), " Cash : %d\n");
    EXPECT_STREQ(przetlumacz("K2_14"), "K2_14");
    ustaw_jezyk("qaa");
    EXPECT_EQ(przetlumacz(kasa), kasa);
}
