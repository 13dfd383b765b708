#pragma once

#include <optional>
#include <string>

#include "data/TillData.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "reports/Graphiques.h"
#include "reports/Report.h"

namespace vantor {

struct ReportDrawers;

// The takings of a period as four charts (per day, per hour, per category,
// per waiter), beside a week, a month or a year earlier if asked: a finger on
// a bar shows its figures under the charts; "Imprimer" puts them on a page.
class frmGraphiques : public Form {
public:
    // drawers may be null (a build without the window's toolkit): the
    // figures are there, the picture is not.
    frmGraphiques(Platform& platform, TillData& data, ReportSettings settings,
                  const ReportDrawers* drawers, const Date& debut, const Date& fin);
    ~frmGraphiques() override;

    // The charts of the period given.
    void Form_Load() override;
    void Form_Unload() override;
    // The charts take the room the window gives, below the row of choices;
    // the figures of a bar beside them or under them.
    void Form_Resize() override;

    void cmdAfficher_Click();
    void cmbComparer_Click();
    // A finger lifted at x, y twips of the picture.
    void picGraphiques_MouseUp(int button, int x, int y);
    void cmdImprimer_Click();
    void cmdFermer_Click();

    // The figures of the charts shown; none before the first or after a refusal.
    const std::optional<Graphiques>& Figures() const { return graphiques_; }

private:
    void Afficher();
    void Dessiner();
    void OublierImage();

    Platform& platform_;
    TillData& data_;
    ReportSettings settings_;
    const ReportDrawers* drawers_;
    std::optional<Graphiques> graphiques_;
    std::string image_;  // the picture's scratch file, while shown
    int images_ = 0;     // a new file each time, which the window loads anew
};

}  // namespace vantor
