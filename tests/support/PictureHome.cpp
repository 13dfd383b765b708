#include "support/PictureHome.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/Bitmap.h"

namespace vantor::test {

PictureHome::PictureHome() {
    std::filesystem::create_directories(Pictures() + "/Anciens");
    std::filesystem::create_directories(Home() + "/.config");
    std::filesystem::create_directories(Data());
    WriteRaw(Pictures() + "/logo.bmp", Bitmap(4350, 1000));
    WriteRaw(Pictures() + "/QR.BMP", Bitmap(40, 40));
    WriteRaw(Pictures() + "/notes.txt", "pas une image");
    WriteRaw(Pictures() + "/photo.png", "pas lue");
    WriteRaw(Pictures() + "/.cache.bmp", Bitmap(2, 2));
    WriteRaw(Pictures() + "/abime.bmp", "BM pas une image");
    WriteRaw(Pictures() + "/Anciens/vieux.bmp", Bitmap(30, 60));
}

std::string PictureHome::Run(const std::string& script) const {
    const TillRun run = RunVantor({"--headless", "--data-dir", Data()}, script,
                                  {{"HOME", Home()}, {"XDG_CONFIG_HOME", Home() + "/.config"}});
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

}  // namespace vantor::test
