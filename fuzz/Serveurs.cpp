// Serveurs.txt (the waiters) as the till and the reports read it.
#include "data/Serveurs.h"
#include "FuzzInput.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteDataFile(kServeursFile, fuzz::Bytes(data, size));
    fuzz::Require(ReadServeursFile(fuzz::DataFolder()).has_value(),
                  "Serveurs.txt written but read as missing");
    fuzz::ReportOnFolder();
    return 0;
}
