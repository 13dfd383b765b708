#pragma once

#include <QDialog>

#include "platform/Form.h"

class QEventLoop;

namespace vantor {

class FormView;

// A window showing a form other than the main one, at a fixed size taken from
// the form's width and height; the close box asks the form (RequestClose).
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
    // Escape does nothing of its own: only the form decides when it closes.
    void reject() override {}

private:
    void OnFormClosed();
    void Activate();

    Form& form_;
    FormView* view_;
    QEventLoop* loop_ = nullptr;
    bool modeless_ = false;
};

}  // namespace vantor
