#include "data/TillData.h"

#include "data/TextFile.h"
#include "platform/Services.h"

namespace vantor {

std::string TillData::File(const std::string& name) const {
    return JoinPath(DataPath, name);
}

void AfficherClavier(OnScreenKeyboard& keyboard, const TillData& data) {
    FollowKeyboardOption(keyboard, data);
    if (data.Infos[ClavierAuto] == "1") {
        keyboard.Show();
    }
}

void FollowKeyboardOption(OnScreenKeyboard& keyboard, const TillData& data) {
    keyboard.FollowTextFields(data.Infos[ClavierAuto] == "1");
}

}  // namespace vantor
