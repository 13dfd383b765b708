#pragma once

#include <string>

#include "platform/Form.h"

namespace vantor::headless {

// The value of a property as the transcript writes it: texts in double
// quotes, numbers bare, True/False, colours as #RRGGBB, dates dd.mm.yyyy.
// item: the item of a List, -1 for all items. Throws ScriptError when the
// control has no such property.
std::string ShowProperty(const Control& control, const std::string& property, int item);
std::string ShowFormProperty(const Form& form, const std::string& property);
// The property shown when none is named: a caption, a text, a list's items, a value.
std::string MainProperty(const Control& control);

}  // namespace vantor::headless
