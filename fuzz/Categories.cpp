// Categories.csv as the till and the reports read it.
#include "FuzzInput.h"
#include "data/CatalogueFiles.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteDataFile(kCategoriesFile, fuzz::Bytes(data, size));
    CategoryNames names;
    LireCategories(fuzz::DataFolder(), names);
    fuzz::ReportOnFolder();
    return 0;
}
