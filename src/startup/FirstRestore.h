#pragma once

#include <string>

#include "platform/Platform.h"

namespace vantor {

// The very first start on this computer, no data folder there yet: the till
// may be coming back from a dead or stolen one. Asks whether to restore a
// backup into path (a backup folder typed in: a USB stick, a share), and
// restores it as `vantor restaurer` does, checked, told. False when nothing
// was restored: the start then makes an empty folder.
bool OfferFirstRestore(Platform& platform, const std::string& path);

}  // namespace vantor
