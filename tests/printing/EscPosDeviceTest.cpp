// The ESC/POS document itself: characters in the printer's code page, columns
// cut at the paper's edge, and lines in top-to-bottom order.
#include <gtest/gtest.h>

#include <memory>

#include "printing/EscPosDevice.h"
#include "printing/MonoBitmap.h"
#include "support/Bitmap.h"
#include "support/EscPosReader.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

struct Placed {
    int x;
    int y;
    bool bold;
    const char* text;
};

struct PageCase {
    const char* name;
    int widthMm;
    std::vector<Placed> texts;
    std::string lines;  // the decoded lines between the set-up and the cut
};

std::string Print(const PageCase& row) {
    std::string sent;
    EscPosDevice device(ReceiptPaper{row.widthMm, 2},
                        [&sent](const std::string& bytes) { sent += bytes; });
    for (const Placed& text : row.texts) {
        device.Text(text.x, text.y, PrintFont{"Courier New", 10, text.bold}, text.text);
    }
    device.End();
    return ReadEscPos(sent);
}

const std::string kStart = "<ESC @>\n<ESC t 16>\n";
const std::string kEnd = "<GS V 66 0>\n";
const std::string k40(40, 'x');

const PageCase kDocuments[] = {
    {"Windows1252Letters", 80, {{0, 0, false, "Café à l'Œuf, 5 € ÿ"}}, "Café à l'Œuf, 5 € ÿ\n"},
    {"UnknownCharactersBecomeQuestionMarks", 80, {{0, 0, false, "漢字\tok"}}, "???ok\n"},
    {"ColumnsAreTenthsOfAnInch",
     80,
     {{300, 0, false, "a"}, {800, 300, false, "b"}},
     "  a\n      b\n"},
    {"CutAtThe58mmEdge", 58, {{300, 0, false, k40.c_str()}}, "  " + k40.substr(0, 30) + "\n"},
    {"WholeOn80mm", 80, {{300, 0, false, k40.c_str()}}, "  " + k40 + "\n"},
    {"LinesInTopToBottomOrder",
     80,
     {{0, 500, false, "second"}, {0, 100, true, "first"}},
     "<ESC E 1>\nfirst\n<ESC E 0>\nsecond\n"},
    {"TextsOnOneLineKeepTheirWeight",
     80,
     {{0, 0, true, "Total"}, {1440, 0, false, "15.00"}},
     "<ESC E 1>\nTotal     <ESC E 0>15.00\n"},
    {"EmptyTextFeedsALine",
     80,
     {{0, 0, false, "a"}, {0, 272, false, ""}, {0, 544, false, "b"}},
     "a\n\nb\n"},
};

class EscPosDocument : public ::testing::TestWithParam<PageCase> {};

TEST_P(EscPosDocument, DecodesToTheExpectedLines) {
    EXPECT_EQ(Print(GetParam()), kStart + GetParam().lines + kEnd);
}

INSTANTIATE_TEST_SUITE_P(Cases, EscPosDocument, ::testing::ValuesIn(kDocuments),
                         [](const auto& info) { return std::string(info.param.name); });

// The dots are made when the picture is loaded (ReceiptPictureTest); a picture
// without them, not a BMP, cannot go to the printer.
TEST(EscPosDevice, PictureWithoutDotsFailsAtOnce) {
    TempDir folder;
    WriteRaw(folder / "logo.bmp", Bitmap(8, 8));
    EscPosDevice device(ReceiptPaper{}, [](const std::string&) {});
    EXPECT_THROW(device.Image(Picture{folder / "logo.bmp", 8, 8, nullptr}, 0, 0, 100, 100),
                 PrintError);
}

// Dots made for 80 mm paper and printed on 58 mm paper (the paper changed
// since the picture was loaded) are scaled to it, proportions kept.
TEST(EscPosDevice, DotsForAnotherPaperAreScaledToThisOne) {
    const auto dots = std::make_shared<const MonoBitmap>(*ReadBmp(Bitmap(60, 20), 576));
    for (const auto& [widthMm, raster] :
         {std::pair{80, "<GS v 48 0 72 0 192 0"}, std::pair{58, "<GS v 48 0 48 0 128 0"}}) {
        std::string sent;
        EscPosDevice device(ReceiptPaper{widthMm, 2},
                            [&sent](const std::string& bytes) { sent += bytes; });
        device.Image(Picture{"logo.bmp", 60, 20, dots}, 0, 0, 100, 100);
        device.End();
        const std::vector<std::string> rasters = LinesStartingWith(ReadEscPos(sent), "<GS v");
        ASSERT_EQ(rasters.size(), 1u);
        EXPECT_EQ(rasters[0].rfind(raster, 0), 0u) << rasters[0];
    }
}

}  // namespace
}  // namespace vantor::test
