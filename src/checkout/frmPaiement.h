#pragma once

#include <optional>

#include "checkout/Journal.h"
#include "data/TillData.h"
#include "platform/Form.h"
#include "platform/Platform.h"

namespace vantor {

// How a sale was paid: what its records and its receipt say.
struct Encaissement {
    PaymentKind kind = PaymentKind::Cash;
    double partEspeces = 0;    // mixed: the share of the total paid in cash, 0 < p <= 1
    double especes = 0;        // mixed: the cash handed over, change included
    double carte = 0;          // mixed: the card's part
    long long renduCents = 0;  // the change given back
};

// Splits the total of a ticket paid "Mixte" into a cash and a card part. The
// caller sets the total, shows the dialog modally, then reads Result():
// nothing when the dialog was cancelled or closed. PartEspeces holds the
// share paid in cash, 0 for none.
class frmPaiement : public Form {
public:
    frmPaiement(Platform& platform, TillData& data);

    void SetTotal(const std::string& total);
    void Form_Load() override;
    void cmdComplete_Click();
    void cmdOK_Click();
    void cmdUndo_Click();
    const std::optional<Encaissement>& Result() const { return result_; }

private:
    double Total() const;
    Control& AddBox(const std::string& name, int top);
    // The payment the amounts make, or nothing once told why they are refused.
    std::optional<Encaissement> Accepted(double cash, double card);
    // "Rendu : 5.00" while the cash handed over is more than its part.
    void ShowChange();

    Platform& platform_;
    TillData& data_;
    std::optional<Encaissement> result_;
};

}  // namespace vantor
