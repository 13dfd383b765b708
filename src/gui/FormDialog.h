#pragma once

#include <QDialog>

#include "platform/Form.h"

class QEventLoop;

namespace vantor {

class FormView;

// A window showing a form other than the main one, at a fixed size taken from
// the form's width and height; the close box asks the form (RequestClose).
// A form whose windowState is Maximized is a screen of its own: it covers the
// whole screen, and the room it gets goes to the form as its size (in twips,
// outer size) before each Form_Resize, where it lays itself out.
class FormDialog : public QDialog {
    Q_OBJECT

public:
    FormDialog(Form& form, QWidget* parent);
    ~FormDialog() override;

    FormView& View() const { return *view_; }

    // Shows it application-modal, runs Form_Activate and returns once the form
    // is closed (by a handler, Close, or the close box).
    void RunModal();
    // Shows it, runs Form_Activate and returns; the window goes away by itself
    // when the form is closed.
    void ShowModeless();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape does nothing of its own: only the form decides when it closes.
    void reject() override {}

private:
    void OnFormClosed();
    void Activate();
    void ShowOnScreen();
    // The view's size, as the form's outer size, then Form_Resize.
    void ReportSize();

    Form& form_;
    FormView* view_;
    QEventLoop* loop_ = nullptr;
    bool modeless_ = false;
    bool fullScreen_ = false;
};

}  // namespace vantor
