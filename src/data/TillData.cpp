#include "data/TillData.h"

#include "data/TextFile.h"
#include "platform/Services.h"

namespace vantor {

std::string TillData::File(const std::string& name) const {
    return JoinPath(DataPath, name);
}

void AfficherClavier(OnScreenKeyboard& keyboard, const TillData& data) {
    if (data.Infos[ClavierAuto] == "1") {
        keyboard.Show();
    }
}

}  // namespace vantor
