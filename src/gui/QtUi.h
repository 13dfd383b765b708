#pragma once

#include <QPointer>
#include <vector>

#include "platform/Ui.h"

namespace vantor {

class FormDialog;

// Message and input boxes, dialogs and pop-up menus with Qt widgets.
class QtUi : public Ui {
public:
    QtUi() = default;
    ~QtUi() override;
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    int MsgBox(const std::string& prompt, int style = vbOKOnly,
               const std::string& title = "") override;
    std::string InputBox(const std::string& prompt, const std::string& title = "",
                         const std::string& defaultText = "") override;
    // The usual reasons as big buttons, "Autre motif…" for the input box, "Annuler".
    std::string ChoiceBox(const std::string& prompt, const std::vector<std::string>& choices,
                          const std::string& title = "") override;
    std::string SaveFileDialog(const std::string& title, const std::string& proposedPath,
                               const std::string& filter) override;
    void ShowModal(Form& form) override;
    // A form shown modeless must be closed (or hidden) before it is destroyed.
    void Show(Form& form) override;
    void Activate(Form& form) override;
    void PopupMenu(Form& form, Control& menu) override;

private:
    std::vector<QPointer<FormDialog>> modeless_;
};

}  // namespace vantor
