#pragma once

#include "data/TillData.h"
#include "platform/Form.h"
#include "platform/Platform.h"

namespace vantor {

// Splits the total of a ticket paid "Mixte" into a cash and a card part. The
// caller sets the total and PartEspeces = 0, shows the dialog modally, then
// reads PartEspeces: the share paid in cash, 0 for no breakdown.
class frmPaiement : public Form {
public:
    frmPaiement(Platform& platform, TillData& data);

    void SetTotal(const std::string& total);
    void Form_Load() override;
    void cmdComplete_Click();
    void cmdOK_Click();
    void cmdUndo_Click();

private:
    double Total() const;
    Control& AddBox(const std::string& name, int top);

    Platform& platform_;
    TillData& data_;
};

}  // namespace vantor
