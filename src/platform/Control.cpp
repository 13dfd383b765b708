#include "platform/Control.h"

namespace vantor {

void Control::RemoveItem(int position) {
    if (position < 0 || position >= ListCount()) {
        return;
    }
    items.erase(items.begin() + position);
    if (listIndex == position) {
        listIndex = -1;
    } else if (listIndex > position) {
        --listIndex;
    }
}

void Control::Clear() {
    items.clear();
    markedItems.clear();
    listIndex = -1;
    if (kind == ControlKind::ComboBox) {
        text.clear();
    }
}

std::string Control::SelectedText() const {
    if (listIndex < 0 || listIndex >= ListCount()) {
        return kind == ControlKind::ComboBox ? text : std::string();
    }
    return items[static_cast<std::size_t>(listIndex)];
}

}  // namespace vantor
