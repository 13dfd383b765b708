#pragma once

// A till started in-process on a data folder of its own, as the headless
// program starts it, its platform made of the headless runner's parts; the
// runner's type may be a test's own, answering some boxes itself.
#include <sstream>

#include "headless/FixedUserFolders.h"
#include "headless/FolderInstance.h"
#include "headless/HeaderPictures.h"
#include "headless/IniSettings.h"
#include "headless/ScriptRunner.h"
#include "platform/Background.h"
#include "platform/SystemClock.h"
#include "startup/Startup.h"
#include "support/TempDir.h"

namespace vantor::test {

template <typename Runner = headless::ScriptRunner>
struct InProcessPlatform {
    // The till of data, its clock at 06.12.2026 10:00:00.
    Till Start() {
        folders.applicationData = folders.configuration = folders.home = folders.pictures =
            home.Path();
        clock.Fix(DateTime{{2026, 12, 6}, {10, 0, 0}});
        return StartTill(platform, instance, StartOptions{data.Path()});
    }

    TempDir data;
    TempDir home;
    std::istringstream script;
    std::ostringstream transcript;
    SystemClock systemClock;
    headless::ScriptClock clock{systemClock};
    headless::ScriptPrinters printers{transcript, {}};
    headless::TranscriptShell shell{transcript};
    Runner runner{script, transcript, clock, printers, &shell};
    headless::TranscriptKeyboard keyboard{shell};
    IniSettings settings{home / "settings.ini"};
    HeaderPictures pictures;
    FixedUserFolders folders;
    FolderInstance instance;
    ImmediateBackground background;
    Platform platform{runner, printers, settings, shell,     keyboard,
                      clock,  pictures, folders,  background};
};

}  // namespace vantor::test
