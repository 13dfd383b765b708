#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/DataFiles.h"
#include "data/TillData.h"
#include "platform/Control.h"

namespace vantor {

inline constexpr const char* kArticlesFile = "Articles.csv";
inline constexpr const char* kCategoriesFile = "Categories.csv";
inline constexpr const char* kComptesFile = "Comptes.csv";
inline constexpr const char* kArticlesHeader = "Description;Prix;Categorie";

// The fixed colour of each category (the hidden swatches Color 0..7).
Color CouleurCategorie(int category);
// The index of the first category of that colour, 0 when none has it.
int CategorieDeCouleur(Color color);

// Line n (1..91) of the default article list; any other n gives "".
std::string ArticleParDefaut(int n);
int DefaultArticleCount();

// One line of Articles.csv, split. A line without ";" is an article whose
// name is the whole line; a category that is not a whole number 0..7 gives 0.
struct ArticleLine {
    std::string name;
    std::string price;
    int category = 0;
};
ArticleLine SplitArticleLine(std::string_view line);
// "4" -> "4.00", "3.5" -> "3.50"; "3.80", "3.125" and "" stay as they are.
std::string NormalisePrix(const std::string& price);

// The lines of Articles.csv (header first), creating the default file when
// there is none.
std::vector<std::string> ReadArticlesFile(const std::string& dataPath);

void LireCategories(const std::string& dataPath, CategoryNames& categories,
                    WhenMissing missing = WhenMissing::Create);
std::vector<std::string> LireComptes(const std::string& dataPath,
                                     WhenMissing missing = WhenMissing::Create);

}  // namespace vantor
