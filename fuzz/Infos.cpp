// Infos.txt (the settings) as the till reads it, and the reports that take
// their currency and VAT rates from it.
#include "data/Infos.h"
#include "FuzzInput.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteDataFile(kInfosFile, fuzz::Bytes(data, size));
    InfosRecord infos;
    LireInfos(fuzz::DataFolder(), infos, WhenMissing::Create);
    fuzz::Require(!infos[Monnaie].empty(), "no currency after reading Infos.txt");
    fuzz::ReportOnFolder();
    return 0;
}
