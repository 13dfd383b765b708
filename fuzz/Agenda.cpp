// Agenda.csv as the agenda window lists it, each entry then opened in its panel.
#include "admin/Agenda.h"
#include "FuzzInput.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteDataFile(kAgendaFile, fuzz::Bytes(data, size));
    for (const std::string& line : LireAgenda(fuzz::DataFolder())) {
        LireEntreeAgenda(line);
    }
    return 0;
}
