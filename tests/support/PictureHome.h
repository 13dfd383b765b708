#pragma once

#include <string>

#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {

// A user account for the image chooser: under one folder, its home (home/)
// and the till's data folder (data/). Its pictures folder home/Pictures holds
// logo.bmp (4350 × 1000 pixels), QR.BMP (40 × 40), a text, a PNG, a hidden
// bitmap, a damaged one and Anciens/vieux.bmp (30 × 60); home/.config is
// empty.
class PictureHome {
public:
    PictureHome();

    const std::string& Root() const { return root_.Path(); }
    std::string Home() const { return root_ / "home"; }
    std::string Data() const { return root_ / "data"; }
    std::string Pictures() const { return Home() + "/Pictures"; }

    // The headless till on the data folder, started from this account: its
    // transcript (a run that does not end with status 0 fails the test).
    std::string Run(const std::string& script) const;

private:
    TempDir root_;
};

}  // namespace vantor::test
