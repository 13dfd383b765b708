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

// The "Fichier" menu with a submenu of waiters, a separator, hidden entries,
// and a hidden pop-up menu.
class MenuForm : public Form {
public:
    MenuForm();
    // Adds a waiter entry at the end of the waiter array.
    void AddWaiter(const std::string& name);

    std::vector<std::string> log;

private:
    Control& Entry(const std::string& name, int index, Control& menu, const std::string& caption);
};

// Sets a control's place and size in twips.
Control& Place(Control& control, int left, int top, int width, int height);

}  // namespace vantor::test
