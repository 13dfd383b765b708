// Articles.csv as the keypad loads it: every line split into a name, a price
// and a category, the price made into the form the buttons and the ticket show.
#include "FuzzInput.h"
#include "data/CatalogueFiles.h"
#include "data/Numbers.h"
#include "sales/Montant.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteDataFile(kArticlesFile, fuzz::Bytes(data, size));
    for (const std::string& line : ReadArticlesFile(fuzz::DataFolder())) {
        const ArticleLine article = SplitArticleLine(line);
        fuzz::Require(article.category >= 0 && article.category < kCategoryCount,
                      "an article's category outside 0..7");
        CouleurCategorie(article.category);
        const std::string price = NormalisePrix(article.price);
        if (IsNumeric(price) && IsAmountInRange(price)) {
            FormatMontant(price, false);
            FormatCents(*ParseNumber(price));
        }
    }
    return 0;
}
