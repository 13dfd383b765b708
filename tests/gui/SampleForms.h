#pragma once

#include <string>
#include <vector>

#include "platform/Form.h"

namespace vantor::test {

inline constexpr Color kCyan = Rgb(128, 255, 255);
inline constexpr Color kOrange = Rgb(255, 192, 128);

// A form with one control of each kind; every handler writes a line to log
// ("cmdOK Click", "optMode(1) Change", "Resize", ...).
class SampleForm : public Form {
public:
    SampleForm();

    void Form_Activate() override { log.push_back("Activate"); }
    void Form_Resize() override;
    void Form_QueryUnload(int& cancel) override;
    void Form_Unload() override { log.push_back("Unload"); }

    std::vector<std::string> log;
    bool refuseClose = false;
    // Set by Form_Resize in the normal state when not zero (twips).
    int normalWidth = 0;
    int normalHeight = 0;

private:
    Control& Logged(ControlKind kind, const std::string& name, int index = -1,
                    Control* container = nullptr);
};

// Sets a control's place and size in twips.
Control& Place(Control& control, int left, int top, int width, int height);

}  // namespace vantor::test
