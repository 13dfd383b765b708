#include "data/CatalogueFiles.h"

#include <array>

#include "data/DataFiles.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "data/TextFile.h"

namespace vantor {

namespace {

constexpr std::array<Color, kCategoryCount> kCategoryColors = {
    Rgb(128, 255, 255), Rgb(255, 192, 128), Rgb(255, 255, 128), Rgb(255, 128, 128),
    Rgb(128, 128, 255), Rgb(128, 255, 128), Rgb(255, 128, 255), Rgb(224, 224, 224),
};

const std::vector<std::string> kDefaultCategories = {
    "Boisson chaude", "Minérale", "Bière", "Alcool", "Vin", "Cuisine", "Dessert", "Autre",
};

const std::vector<std::string> kDefaultComptes = {
    "Achats de marchandises",       "Achats de materiel",    "Entretien, reparation",
    "Publicite, decoration",        "Fournitures de bureau", "Frais deplacement, autre..",
    "Prelevement/Apport personnel", "Salaires et charges",   "Autre recette/depense",
};

// Eight headers with an empty price, each followed by its articles.
const std::vector<std::string> kDefaultArticles = {
    "Boiss. chaude;;0",
    "Café;3.5;0",
    "Expresso;3.5;0",
    "Choc. chaud;3.8;0",
    "Ovomaltine;4;0",
    "Capuccino;4.2;0",
    "Lait;3.6;0",
    "Thé noir;3.5;0",
    "Thé vert;3.5;0",
    "Verveine;3.5;0",
    "Camomille;3.5;0",
    "Tilleul;3.5;0",
    "Infusion;3.5;0",
    "Minérale;;1",
    "Coca 2dl;2.8;1",
    "Coca 3dl;3.5;1",
    "Coca 5 dl;4.8;1",
    "Fanta 2 dl;2.8;1",
    "fanta 3 dl;3.5;1",
    "Fanta 5 dl;4.8;1",
    "Eau gaz. 2 dl;2.5;1",
    "Eau gaz. 3 dl;3;1",
    "Eau gaz. 5 dl;4;1",
    "Min. bt 30 cl;4.2;1",
    "Min. bt 50 cl;5.5;1",
    "Min. bt 1 L;7;1",
    "Bière;;2",
    "Pression 3 dl;3.8;2",
    "Pression 5 dl;6;2",
    "Blanche 3 dl;4.5;2",
    "Blanche 5 dl;6.8;2",
    "Ambrée 3 dl;4.5;2",
    "Ambrée 5 dl;6.8;2",
    "Rousse 3 dl;4.5;2",
    "Rousse 5 dl;6.8;2",
    "Bière bt;6.5;2",
    "Monaco;3.8;2",
    "Panachée;3.6;2",
    "Bière Picon;4.5;2",
    "Alcool;;3",
    "Pastis;4;3",
    "Riccard;4.5;3",
    "Porto;4.5;3",
    "Suze;5;3",
    "Absinthe;5;3",
    "Vodka;7;3",
    "Gin;7;3",
    "Whisky;8;3",
    "Eau de vie;5;3",
    "Prunelle;6;3",
    "Cognac;6;3",
    "Limoncello;5;3",
    "Vin;;4",
    "Vin blanc;3.2;4",
    "Vin rosé;3.2;4",
    "Vin rouge;3.2;4",
    "Pot 5dl;15;4",
    "Bt Merlot;24;4",
    "Bt Chardonnay;29;4",
    "Bt Syrah;28;4",
    "Bt Pinot Noir;35;4",
    "Bt Gewurstr.;32;4",
    "Bt Gamay;27;4",
    "Bt Chianti;25;4",
    "Bt Rioja;25;4",
    "Cuisine;;5",
    "Salade verte;5;5",
    "Salade mêlée;7;5",
    "Grande mêlée;12;5",
    "Salade césar;19;5",
    "Terrine;8;5",
    "Œufs pochés;8;5",
    "Steak de bœuf;25;5",
    "Entrecôte;29;5",
    "Pâtes pesto;20;5",
    "Pâtes saumon;24;5",
    "Hamburger;15;5",
    "Cheeseburger;17;5",
    "Dessert;;6",
    "Fondant choc.;7;6",
    "Cpe Danemark;9;6",
    "Colonel;9;6",
    "Général;9;6",
    "Chaud froid;9;6",
    "Crème brulée;8;6",
    "Tiramisu;8;6",
    "Boule glace;3.5;6",
    "Chantilly;1;6",
    "Autre;;7",
    "Cigarettes;10;7",
    "Journal;2;7",
};

int CategoryFromText(std::string_view text) {
    std::optional<int> value = ParseInteger(text);
    return value && *value >= 0 && *value < kCategoryCount ? *value : 0;
}

}  // namespace

Color CouleurCategorie(int category) {
    return kCategoryColors.at(static_cast<std::size_t>(category));
}

int CategorieDeCouleur(Color color) {
    for (int i = 0; i < kCategoryCount; ++i) {
        if (kCategoryColors[static_cast<std::size_t>(i)] == color) {
            return i;
        }
    }
    return 0;
}

std::string ArticleParDefaut(int n) {
    if (n < 1 || n > DefaultArticleCount()) {
        return "";
    }
    return kDefaultArticles[static_cast<std::size_t>(n - 1)];
}

int DefaultArticleCount() {
    return static_cast<int>(kDefaultArticles.size());
}

ArticleLine SplitArticleLine(std::string_view line) {
    ArticleLine article;
    std::size_t first = line.find(';');
    article.name = std::string(line.substr(0, first));
    if (first == std::string_view::npos) {
        return article;
    }
    std::string_view rest = line.substr(first + 1);
    std::size_t second = rest.find(';');
    article.price = std::string(rest.substr(0, second));
    if (second != std::string_view::npos) {
        article.category = CategoryFromText(rest.substr(second + 1));
    }
    return article;
}

std::string NormalisePrix(const std::string& price) {
    std::size_t point = price.find('.');
    if (point == std::string::npos) {
        return price.empty() ? price : price + ".00";
    }
    return Len(price) - Len(price.substr(0, point)) == 2 ? price + "0" : price;
}

std::vector<std::string> ReadArticlesFile(const std::string& dataPath) {
    std::vector<std::string> defaults{kArticlesHeader};
    for (int n = 1; n <= DefaultArticleCount(); ++n) {
        defaults.push_back(ArticleParDefaut(n));
    }
    return ReadOrCreate(JoinPath(dataPath, kArticlesFile), defaults);
}

void LireCategories(const std::string& dataPath, CategoryNames& categories, WhenMissing missing) {
    std::vector<std::string> lines =
        ReadOrCreate(JoinPath(dataPath, kCategoriesFile), kDefaultCategories, missing);
    for (std::size_t i = 0; i < lines.size() && i < categories.size(); ++i) {
        categories[i] = lines[i];
    }
}

std::vector<std::string> LireComptes(const std::string& dataPath, WhenMissing missing) {
    return ReadOrCreate(JoinPath(dataPath, kComptesFile), kDefaultComptes, missing);
}

}  // namespace vantor
