#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "gui/Scales.h"
#include "gui/WidgetFactory.h"
#include "gui/WidgetSync.h"
#include "platform/Form.h"

class QMenuBar;

namespace vantor {

class MenuBinder;
class QtSession;

// Shows a Form of the screen model: one widget per control (made when the
// control is first shown), placed at the control's twips times the scale
// (pixels per twip). Sync() copies the model's
// current state onto the widgets; the user's actions go back to the form
// (Form::Click, MouseDown, Choose, SetText, SetValue, SetDate), after which
// every live view syncs.
class FormView : public QWidget, private ControlEvents {
    Q_OBJECT

public:
    FormView(Form& form, double pixelsPerTwip, QWidget* parent = nullptr);
    FormView(Form& form, const Scales& scales, QWidget* parent = nullptr);
    ~FormView() override;

    // Pixels per twip down the form (and across, unless stretched).
    double Scale() const { return scales_.y; }
    const Scales& CurrentScales() const { return scales_; }
    // Places and sizes every widget again at these scales.
    void SetScales(const Scales& scales);

    // The form's top-level menus go into this menu bar.
    void AttachMenuBar(QMenuBar& bar);

    // Rebuilds the widgets when controls were added or removed (widgets of the
    // controls that remain are kept), then updates what changed.
    void Sync();
    // Stops showing the form: no more syncs or events. For a window that is
    // going away while its form may be destroyed.
    void Detach();

    // Runs a handler of this view's form as a user event (skipped when the form
    // is closed), then syncs every view.
    void Fire(const std::function<void()>& handler);

    static void SyncAll();
    // The live view of the form, or nullptr.
    static FormView* Find(const Form& form);

signals:
    // The form was closed (by the model or through the close request).
    void FormClosed();
    // The view was painted for the first time.
    void FirstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Binding {
        Control* control = nullptr;
        ControlKind kind = ControlKind::Label;
        const Control* container = nullptr;
        std::string id;
        QWidget* widget = nullptr;  // none until the control is first shown
        WidgetCache cache;
    };
    using BindingMap = std::unordered_map<Control*, std::unique_ptr<Binding>>;

    void Rebuild();
    Binding& Ensure(Control& control, BindingMap& previous);
    void Materialize(Binding& binding);
    static bool IsShown(const Control& control);
    static bool Matches(const Binding& binding, const Control& control);
    static void Silence(QWidget* widget);
    static void RetireBinding(Binding& binding);
    void ForgetInput(const Control& control);
    void SyncWindowTitle();
    void ApplyFocus();
    void WidenForFinger(QWidget& bar);
    void FitFramesForFinger(std::vector<const Control*>& frames);
    void FitFrameForFinger(const Control& frame, const std::vector<Binding*>& children, int touch);

    void Clicked(Control& control) override;
    void MouseDown(Control& control, int button) override;
    void MouseUp(Control& control, int button, int x, int y) override;
    void Chosen(Control& control, int position) override;
    void Edited(Control& control, const std::string& text) override;
    void Scrolled(Control& control, int value) override;
    void DatePicked(Control& control, const Date& date) override;

    Form& form_;
    Scales scales_;
    QtSession& session_;  // where this view is listed as live
    bool detached_ = false;
    bool closedReported_ = false;
    bool painted_ = false;
    std::uint64_t builtGeneration_ = 0;
    bool built_ = false;
    BindingMap bindings_;
    std::vector<Binding*> order_;
    std::unique_ptr<MenuBinder> menus_;
    std::uint64_t appliedFocus_ = 0;
    std::string shownCaption_;
    QWidget* titled_ = nullptr;
};

}  // namespace vantor
