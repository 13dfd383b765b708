#include "data/Text.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(TextTest, CountsCharactersNotBytes) {
    EXPECT_EQ(Len(""), 0u);
    EXPECT_EQ(Len("Café"), 4u);
    EXPECT_EQ(Len("Œufs pochés"), 11u);
    EXPECT_EQ(Len("€ 😀"), 3u);
}

TEST(TextTest, LeftRightAndMidCutBetweenCharacters) {
    EXPECT_EQ(Left("Œufs pochés", 10), "Œufs poché");
    EXPECT_EQ(Left("Steak de bœuf", 10), "Steak de b");
    EXPECT_EQ(Left("Thé", 10), "Thé");
    EXPECT_EQ(Left("Thé", 0), "");
    EXPECT_EQ(Right("Entrecôte", 5), "ecôte");
    EXPECT_EQ(Right("  3.50 €", 6), "3.50 €");
    EXPECT_EQ(Right("Thé", 9), "Thé");
    EXPECT_EQ(Mid("2 Café (3.50)", 3, 4), "Café");
    EXPECT_EQ(Mid("Crème brulée", 7), "brulée");
    EXPECT_EQ(Mid("Thé", 4), "");
    EXPECT_EQ(Mid("Thé", 9, 2), "");
}

TEST(TextTest, TrimRemovesSpacesOnlyAndOnlyAtTheEnds) {
    EXPECT_EQ(Trim("  Café (3.50)  "), "Café (3.50)");
    EXPECT_EQ(Trim("\tThé\t"), "\tThé\t");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(LTrim("  a b  "), "a b  ");
    EXPECT_EQ(RTrim("  a b  "), "  a b");
    EXPECT_EQ(RTrim("Lait\u00A0 "), "Lait\u00A0");
}

TEST(TextTest, PaddingCountsAccentedCharactersOnce) {
    EXPECT_EQ(PadRight("Thé", 5), "Thé  ");
    EXPECT_EQ(PadLeft("€", 3), "  €");
    EXPECT_EQ(PadLeft("1250.00", 6), "1250.00");
    EXPECT_EQ(PadRight("Grande mêlée", 4), "Grande mêlée");
}

TEST(TextTest, FitRightPadsOrCutsToTheExactWidth) {
    const std::string label = FitRight("Thé vert", 18);
    EXPECT_EQ(label, "Thé vert          ");
    EXPECT_EQ(Len(label), 18u);
    EXPECT_EQ(label.size(), 19u);
    EXPECT_EQ(FitRight("Bt Chardonnay (29.00)", 18), "Bt Chardonnay (29.");
    EXPECT_EQ(FitRight("Crème brulée (8.00) à emporter", 18), "Crème brulée (8.00");
    EXPECT_EQ(FitRight("", 3), "   ");
}

TEST(TextTest, InStrGivesTheCharacterPosition) {
    EXPECT_EQ(InStr("Thé (3.50)", "("), 5u);
    EXPECT_EQ(InStr("Crème;8;6", ";"), 6u);
    EXPECT_EQ(InStr("Café", "é"), 4u);
    EXPECT_EQ(InStr("Café", "x"), 0u);
    EXPECT_EQ(InStr("", "x"), 0u);
}

TEST(TextTest, ReplaceChangesEveryOccurrence) {
    EXPECT_EQ(Replace("3,50 ; 4,20", ",", "."), "3.50 ; 4.20");
    EXPECT_EQ(Replace("Thé vert", "é", "e"), "The vert");
    EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(Replace("Lait", "", "x"), "Lait");
    EXPECT_EQ(Replace("a;b;", ";", ""), "ab");
}

TEST(TextTest, BeforeStopsAtTheFirstSeparator) {
    EXPECT_EQ(Before("Café;3.5;0", ";"), "Café");
    EXPECT_EQ(Before("Café (3.50)", "("), "Café ");
    EXPECT_EQ(Before("Lait", ";"), "Lait");
    EXPECT_EQ(Before(";3.5;0", ";"), "");
}

}  // namespace
}  // namespace vantor
