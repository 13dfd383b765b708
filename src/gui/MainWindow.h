#pragma once

#include <QMainWindow>
#include <QSize>

#include "gui/Scales.h"
#include "gui/WidgetSync.h"
#include "platform/Form.h"

namespace vantor {

class FormView;

// The main window of the run, showing a main Form. In the normal state the
// form's design size (its width and height when the window is made) fits the
// screen the window is on; maximized, the scale comes from the real height of
// the client area (whatever the desktop's title and menu bars take), so that
// the lowest controls are never cut off. The window reports its size and state
// to the form and runs Form_Resize (the form may then set its own size in the normal state, which
// the window takes), runs Form_Activate on activation, turns the close box into a close request,
// and closes (emitting Finished) when the form is closed. It tells the form
// how long nobody has touched the till (IdleWatch).
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Form& form);
    ~MainWindow() override;

    // Shows the window in the form's windowState.
    void ShowForm();
    void BringToFront();
    // Pixels per twip down the form (across too, unless stretched).
    double Scale() const { return scales_.y; }
    const Scales& CurrentScales() const { return scales_; }
    FormView& View() const { return *view_; }

signals:
    void FirstPainted();
    // The window closed because its form did: the run is over.
    void Finished();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ReportSize();
    void ApplyModelSize();
    void Activated();
    void OnFormClosed();
    QSize FrameExtra() const;
    Scales FirstScales(double fit) const;
    Scales ScalesFor(WindowState state) const;
    void UseScales(const Scales& scales);

    Form& form_;
    const int designWidth_;
    const int designHeight_;
    int contentHeight_;
    Scales scales_;
    FormView* view_;
    bool active_ = false;
    bool closing_ = false;
    QSize lastTarget_;
    int refusals_ = 0;
};

}  // namespace vantor
