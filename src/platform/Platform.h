#pragma once

#include "platform/Background.h"
#include "platform/Printers.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/UserFolders.h"

namespace vantor {

// Everything the forms need from the outside world, passed to them at creation.
struct Platform {
    Ui& ui;
    Printers& printers;
    Settings& settings;
    Shell& shell;
    OnScreenKeyboard& keyboard;
    Clock& clock;
    Pictures& pictures;
    UserFolders& folders;
    Background& background;
};

}  // namespace vantor
