#include "gui/QtUi.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/Convert.h"
#include "gui/DisplayScale.h"
#include "gui/Events.h"
#include "gui/FormDialog.h"
#include "gui/FormView.h"
#include "gui/LongPress.h"
#include "gui/MenuBinder.h"
#include "gui/TouchHints.h"
#include "platform/Form.h"

namespace vantor {
namespace {

QString TitleOrDefault(const std::string& title) {
    return ToQString(title.empty() ? std::string(kApplicationTitle) : title);
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
        case vbCritical:
            return QMessageBox::Critical;
        case vbQuestion:
            return QMessageBox::Question;
        case vbExclamation:
            return QMessageBox::Warning;
        case vbInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// The window dialogs and boxes belong to: the active one, else the window of
// any form on screen.
QWidget* OwnerWindow() {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return nullptr;
}

// Runs a box and gives the keyboard back to the window it belongs to, where
// the form may have asked for the focus (a faulty amount): some window
// managers activate another window when a box closes.
int RunBox(QDialog& box) {
    const QPointer<QWidget> owner = box.parentWidget();
    const int result = box.exec();
    if (owner && owner->isVisible()) {
        owner->activateWindow();
    }
    return result;
}

}  // namespace

QtUi::~QtUi() {
    for (const QPointer<FormDialog>& dialog : modeless_) {
        delete dialog.data();
    }
}

int QtUi::MsgBox(const std::string& prompt, int style, const std::string& title) {
    NoteModalShown();
    QMessageBox box(OwnerWindow());
    box.setWindowTitle(TitleOrDefault(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(prompt));
    box.setIcon(IconOf(style));
    if ((style & 0x7) == vbYesNo) {
        QPushButton* yes = box.addButton("Oui", QMessageBox::YesRole);
        QPushButton* no = box.addButton("Non", QMessageBox::NoRole);
        // A question whose "Oui" loses work defaults to "Non": Enter or a
        // hurried tap on the highlighted button must not do the damage.
        box.setDefaultButton((style & vbDefaultButton2) != 0 ? no : yes);
        box.setEscapeButton(no);
        RunBox(box);
        return box.clickedButton() == yes ? vbYes : vbNo;
    }
    QPushButton* ok = box.addButton("OK", QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    RunBox(box);
    return vbOK;
}

std::string QtUi::InputBox(const std::string& prompt, const std::string& title,
                           const std::string& defaultText) {
    NoteModalShown();
    QInputDialog dialog(OwnerWindow());
    dialog.setWindowTitle(TitleOrDefault(title));
    dialog.setLabelText(ToQString(prompt));
    dialog.setTextValue(ToQString(defaultText));
    dialog.setOkButtonText("OK");
    dialog.setCancelButtonText("Annuler");
    if (AsksForAmount(defaultText)) {
        if (auto* edit = dialog.findChild<QLineEdit*>()) {
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    if (RunBox(dialog) != QDialog::Accepted) {
        return "";
    }
    return ToStd(dialog.textValue());
}

// One button a row, the width of the longest reason: the finger taps the
// reason, or "Autre motif…" to type one in the input box.
std::string QtUi::ChoiceBox(const std::string& prompt, const std::vector<std::string>& choices,
                            const std::string& title) {
    NoteModalShown();
    QDialog box(OwnerWindow());
    box.setWindowTitle(TitleOrDefault(title));
    auto* rows = new QVBoxLayout(&box);
    auto* label = new QLabel(ToQString(prompt), &box);
    label->setTextFormat(Qt::PlainText);
    rows->addWidget(label);
    const int touch = MinimumTouchPixels(box.screen());
    // Wide enough for a thumb beside the longest reason, and for the title.
    box.setMinimumWidth(touch * 9);
    std::string chosen;
    auto addButton = [&](const QString& text, const char* name, auto onClick) {
        auto* button = new QPushButton(text, &box);
        button->setObjectName(name);
        button->setAutoDefault(false);
        button->setMinimumHeight(touch * 5 / 4);
        QObject::connect(button, &QPushButton::clicked, &box, onClick);
        rows->addWidget(button);
        return button;
    };
    for (const std::string& choice : choices) {
        addButton(ToQString(choice), "motif", [&box, &chosen, choice] {
            chosen = choice;
            box.accept();
        });
    }
    constexpr int kTyped = 2;
    rows->addSpacing(touch / 3);
    addButton(QString::fromUtf8("Autre motif…"), "autre", [&box] { box.done(kTyped); });
    addButton("Annuler", "annuler", [&box] { box.reject(); });
    const int result = RunBox(box);
    if (result == kTyped) {
        return InputBox(prompt, title);
    }
    return result == QDialog::Accepted ? chosen : "";
}

// Qt's own dialog, not the desktop's: it runs in the till's window under
// any session, with the till's touch sizes.
std::string QtUi::SaveFileDialog(const std::string& title, const std::string& proposedPath,
                                 const std::string& filter) {
    NoteModalShown();
    QFileDialog dialog(OwnerWindow(), TitleOrDefault(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(ToQString(filter).split(";;"));
    dialog.selectFile(ToQString(proposedPath));
    dialog.setLabelText(QFileDialog::Accept, "Enregistrer");
    dialog.setLabelText(QFileDialog::Reject, "Annuler");
    dialog.setLabelText(QFileDialog::FileName, "Nom du fichier");
    dialog.setLabelText(QFileDialog::FileType, "Type");
    dialog.setLabelText(QFileDialog::LookIn, "Dossier");
    if (RunBox(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return "";
    }
    return ToStd(dialog.selectedFiles().front());
}

void QtUi::ShowModal(Form& form) {
    NoteModalShown();
    FormDialog dialog(form, OwnerWindow());
    dialog.RunModal();
}

void QtUi::Show(Form& form) {
    if (FormView* view = FormView::Find(form)) {
        view->window()->show();
        view->window()->raise();
        return;
    }
    modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), nullptr), modeless_.end());
    auto* dialog = new FormDialog(form, OwnerWindow());
    modeless_.emplace_back(dialog);
    dialog->ShowModeless();
}

void QtUi::Activate(Form& form) {
    if (FormView* view = FormView::Find(form)) {
        QWidget* window = view->window();
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void QtUi::PopupMenu(Form& form, Control& menu) {
    NoteModalShown();
    QMenu popup(OwnerWindow());
    MenuFiller filler(form, nullptr, nullptr);
    filler.Fill(popup, menu);
    filler.Refresh();
    QAction* chosen = popup.exec(QCursor::pos());
    Control* entry = filler.ControlOf(chosen);
    if (entry != nullptr && chosen->menu() == nullptr) {
        DeliverEvent([&form, entry] { form.Click(*entry); });
    }
}

}  // namespace vantor
