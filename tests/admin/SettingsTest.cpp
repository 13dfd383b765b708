// The settings dialog: Infos.txt rewritten with its 17 lines by "OK", the
// printers, the VAT mode and the keyboard option; nothing kept by "Annuler",
// and the file's bytes kept when nothing changed.
// Each scenario is in expected/Settings-NAME.txt.
#include <gtest/gtest.h>

#include "support/ScenarioFile.h"

namespace vantor::test {
namespace {

// Field 15 is never shown; it must come back unchanged.
const std::string kInfos =
    "Caf\xE9 du Port\r\nQuai 3\r\nS\xE8te\r\n04 67 00 00 00\r\nFR123\r\n10\r\n5.5\r\n\r\n\r\n"
    "1\r\nMerci !\r\nSuivez-nous\r\nCaisse\r\nCuisine\r\n0\r\nr\xE9serv\xE9\r\nCHF\r\n";
TEST(Settings, Dialog) {
    const std::pair<std::string, std::string> infos = {"Infos.txt", kInfos};
    ExpectScenarios({
        {"Settings-Shown", {infos}},
        {"Settings-Ok", {infos}},
        {"Settings-First"},
        {"Settings-SamePrinters", {infos}},
        {"Settings-Odd",
         {{"Infos.txt",
           "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n7\r\n\r\n\r\nAncienne\r\nDisparue\r\noui\r\n"}}},
        {"Settings-Keyboard", {{"Infos.txt", std::string(14, '\n') + "1\n"}}},
        {"Settings-Cancel", {infos}},
        {"Settings-OkUnchanged", {infos}},
        {"Settings-VatMode", {infos}},
    });
}

}  // namespace
}  // namespace vantor::test
