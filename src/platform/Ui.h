#pragma once

#include <string>
#include <vector>

namespace vantor {

class Form;
class Control;

// Message box styles and answers, with the values the forms toolkit gives them.
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,  // the second button ("Non") is the default
};
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// The window and dialog operations of the desktop that the forms call.
class Ui {
public:
    virtual ~Ui() = default;
    // style: buttons (vbOKOnly or vbYesNo) plus an icon, plus vbDefaultButton2
    // when Enter must answer "Non"; an empty title means the application's
    // title. Returns the button pressed.
    virtual int MsgBox(const std::string& prompt, int style = vbOKOnly,
                       const std::string& title = "") = 0;
    // Returns the text typed; the empty text when cancelled.
    virtual std::string InputBox(const std::string& prompt, const std::string& title = "",
                                 const std::string& defaultText = "") = 0;
    // Asks for a reason: one of the usual choices, or another typed. Returns
    // it; the empty text when cancelled. Without a list to tap, a box to type in.
    virtual std::string ChoiceBox(const std::string& prompt,
                                  const std::vector<std::string>& choices,
                                  const std::string& title = "") {
        static_cast<void>(choices);
        return InputBox(prompt, title);
    }
    // Asks where to save a file: the title, the path proposed and the kinds
    // of files offered ("PDF (*.pdf)", several joined by ";;"). Returns the
    // path chosen; the empty text when cancelled.
    virtual std::string SaveFileDialog(const std::string& title, const std::string& proposedPath,
                                       const std::string& filter) = 0;
    // Shows the form modally and returns when it is closed or hidden.
    virtual void ShowModal(Form& form) = 0;
    // Shows the form without waiting; it stays owned by the caller.
    virtual void Show(Form& form) = 0;
    // Brings an already shown form to the front.
    virtual void Activate(Form& form) = 0;
    // Opens a menu (a Menu control and its entries) as a pop-up at the pointer;
    // returns after an entry was clicked (its handler has run) or the menu was dismissed.
    virtual void PopupMenu(Form& form, Control& menu) = 0;
};

// The title of message and input boxes that are given none.
inline constexpr const char* kApplicationTitle = "Vantor";

}  // namespace vantor
