#include "platform/qt/FormDialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/DisplayScale.h"
#include "platform/qt/Events.h"
#include "platform/qt/FormView.h"

namespace vantor {
namespace {

bool HasMenuBar(const Form& form) {
    const auto& controls = form.Controls();
    return std::any_of(controls.begin(), controls.end(), [](const Control* control) {
        return control->kind == ControlKind::Menu && control->container == nullptr &&
               control->visible;
    });
}

bool IsTapped(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
        case ControlKind::DriveList:
        case ControlKind::DatePicker:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
            return true;
        default:
            return false;
    }
}

// The height of the lowest control of the form that a finger must hit.
int SmallestTouchTwips(const Form& form) {
    int smallest = 0;
    for (const Control* control : form.Controls()) {
        if (IsTapped(control->kind) && control->height > 0 &&
            (smallest == 0 || control->height < smallest)) {
            smallest = control->height;
        }
    }
    return smallest;
}

}  // namespace

FormDialog::FormDialog(Form& form, QWidget* parent) : QDialog(parent), form_(form) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const double scale = DialogScale(form.width, form.height, SmallestTouchTwips(form));
    view_ = new FormView(form_, scale, this);
    view_->setFixedSize(qRound(std::max(0, form.width - kFrameWidthTwips) * scale),
                        qRound(std::max(0, form.height - kFrameHeightTwips) * scale));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (HasMenuBar(form_)) {
        auto* bar = new QMenuBar(this);
        layout->setMenuBar(bar);
        view_->AttachMenuBar(*bar);
    }
    layout->addWidget(view_);
    connect(view_, &FormView::FormClosed, this, &FormDialog::OnFormClosed);
}

FormDialog::~FormDialog() {
    view_->Detach();
}

void FormDialog::Activate() {
    form_.visible = true;
    if (!form_.Closed()) {
        DeliverEvent([this] { form_.Form_Activate(); });
    }
}

void FormDialog::RunModal() {
    setWindowModality(Qt::ApplicationModal);
    show();
    Activate();
    if (!form_.Closed()) {
        QEventLoop loop;
        loop_ = &loop;
        loop.exec(QEventLoop::DialogExec);
        loop_ = nullptr;
    }
    hide();
    view_->Detach();
}

void FormDialog::ShowModeless() {
    modeless_ = true;
    show();
    Activate();
    if (form_.Closed()) {
        OnFormClosed();
    }
}

void FormDialog::OnFormClosed() {
    if (loop_ != nullptr) {
        loop_->quit();
    }
    if (modeless_) {
        view_->Detach();
        hide();
        Retire(this);
    }
}

void FormDialog::closeEvent(QCloseEvent* event) {
    if (!form_.Closed()) {
        DeliverEvent([this] { form_.RequestClose(); });
    }
    if (form_.Closed()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace vantor
