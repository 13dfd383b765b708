#pragma once

#include "data/TillData.h"
#include "platform/Form.h"
#include "platform/Platform.h"

namespace vantor {

class frmMain;

// Renames the eight categories, or regroups the keypad by category.
class frmCat : public Form {
public:
    frmCat(Platform& platform, TillData& data, frmMain& main);

    // The eight names into the fields; the on-screen keyboard when asked to.
    void Form_Load() override;
    // Saves the eight names to Categories.csv and reads them back.
    void cmdOK_Click();
    void cmdUndo_Click();
    // Sorts the keypad by category; names typed here are not saved.
    void cmdTri_Click();

private:
    Platform& platform_;
    TillData& data_;
    frmMain& main_;
};

}  // namespace vantor
