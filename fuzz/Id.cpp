// Id.txt (the number of the next receipt) as the till reads it at start-up.
#include "FuzzInput.h"
#include "sales/NumeroTicket.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteDataFile(kIdFile, fuzz::Bytes(data, size));
    NumTicketSuivant(LireNumTicket(fuzz::DataFolder()));
    return 0;
}
