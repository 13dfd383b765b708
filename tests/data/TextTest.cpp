#include "data/Text.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(TextTest, CountsAndCutsCharactersNotBytes) {
    EXPECT_EQ(Len(""), 0u);
    EXPECT_EQ(Len("Œufs pochés"), 11u);
    EXPECT_EQ(Len("€ 😀"), 3u);
    EXPECT_EQ(Left("Œufs pochés", 10), "Œufs poché");
    EXPECT_EQ(Left("Thé", 10), "Thé");
    EXPECT_EQ(Mid("2 Café (3.50)", 3, 4), "Café");
    EXPECT_EQ(Mid("Crème brulée", 7), "brulée");
    EXPECT_EQ(Mid("Thé", 4), "");
}

TEST(TextTest, TrimsSpacesOnlyAndPadsCountingCharacters) {
    EXPECT_EQ(Trim("  Café (3.50)  "), "Café (3.50)");
    EXPECT_EQ(Trim("\tThé\t"), "\tThé\t");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(PadRight("Thé", 5), "Thé  ");
    EXPECT_EQ(PadLeft("€", 3), "  €");
    EXPECT_EQ(PadLeft("1250.00", 6), "1250.00");
    EXPECT_EQ(FitRight("Thé vert", 10), "Thé vert  ");
    EXPECT_EQ(FitRight("Crème brulée (8.00) à emporter", 18), "Crème brulée (8.00");
    EXPECT_EQ(FitRight("", 3), "   ");
}

TEST(TextTest, ReplaceChangesEveryOccurrenceAndBeforeStopsAtTheFirst) {
    EXPECT_EQ(Replace("3,50 ; 4,20", ",", "."), "3.50 ; 4.20");
    EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(Replace("Lait", "", "x"), "Lait");
    EXPECT_EQ(Replace("a;b;", ";", ""), "ab");
    EXPECT_EQ(Before("Café;3.5;0", ";"), "Café");
    EXPECT_EQ(Before("Lait", ";"), "Lait");
    EXPECT_EQ(Before(";3.5;0", ";"), "");
}

// The name, and how "de" is written before it.
struct DeNomCase {
    const char* name;
    const char* expected;
};

TEST(TextTest, DeIsElidedBeforeAVowelOrAMuteH) {
    const DeNomCase cases[] = {
        {"Anne", "d'Anne"},
        {"anne", "d'anne"},
        {"Émile", "d'Émile"},
        {"Élodie", "d'Élodie"},
        {"Œdipe", "d'Œdipe"},
        {"Irène", "d'Irène"},
        {"Olivier", "d'Olivier"},
        {"Ugo", "d'Ugo"},
        {"Hélène", "d'Hélène"},
        {"Hugo", "d'Hugo"},
        {"Yves", "d'Yves"},
        {"Yann", "de Yann"},
        {"Y", "d'Y"},
        {"Marc", "de Marc"},
        {"Zoé", "de Zoé"},
        {"Ça", "de Ça"},
        {"1er service", "de 1er service"},
        {"", "de "},
    };
    for (const DeNomCase& c : cases) {
        EXPECT_EQ(DeNom(c.name), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace vantor
