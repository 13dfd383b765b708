// Comptes.csv (the account categories of cash movements) as the till and the
// reports read it.
#include "FuzzInput.h"
#include "data/CatalogueFiles.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteDataFile(kComptesFile, fuzz::Bytes(data, size));
    LireComptes(fuzz::DataFolder());
    fuzz::ReportOnFolder();
    return 0;
}
