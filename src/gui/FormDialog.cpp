#include "gui/FormDialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QScroller>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/DisplayScale.h"
#include "gui/Events.h"
#include "gui/FormView.h"
#include "gui/TouchHints.h"
#include "gui/TouchRows.h"

namespace vantor {
namespace {

bool HasMenuBar(const Form& form) {
    const auto& controls = form.Controls();
    return std::any_of(controls.begin(), controls.end(), [](const Control* control) {
        return control->kind == ControlKind::Menu && control->container == nullptr &&
               control->visible;
    });
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

// The room a dialog's client area has on the screen, below its title bar.
QSize ClientRoom() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize area = screen != nullptr ? screen->availableGeometry().size() : QSize(1024, 768);
    const double frame = SessionScale();
    return area - QSize(qRound(kFrameWidthTwips * frame), qRound(kFrameHeightTwips * frame));
}

// A dialog taller or wider than the screen at a fingertip's scale scrolls
// (by its finger-wide bars, or flicked on a touch screen) rather than
// shrinking its fields; a mouse press still goes to the field under it.
QWidget* FittedToScreen(FormView* view, QWidget* parent) {
    const QSize room = ClientRoom();
    if (view->width() <= room.width() && view->height() <= room.height()) {
        return view;
    }
    auto* area = new QScrollArea(parent);
    area->setObjectName("scrolledDialog");
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(view);
    area->setHorizontalScrollBarPolicy(view->width() > room.width() ? Qt::ScrollBarAlwaysOn
                                                                    : Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(view->height() > room.height() ? Qt::ScrollBarAlwaysOn
                                                                    : Qt::ScrollBarAlwaysOff);
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int across = view->height() > room.height() ? bar : 0;
    const int down = view->width() > room.width() ? bar : 0;
    area->setFixedSize(std::min(view->width() + across, room.width()),
                       std::min(view->height() + down, room.height()));
    QScroller::grabGesture(area->viewport(), QScroller::TouchGesture);
    return area;
}

}  // namespace

FormDialog::FormDialog(Form& form, QWidget* parent) : QDialog(parent), form_(form) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    fullScreen_ = form.windowState == WindowState::Maximized;
    const double scale = DialogScale(form.width, form.height, SmallestTouchTwips(form));
    view_ = new FormView(form_, scale, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (HasMenuBar(form_)) {
        auto* bar = new QMenuBar(this);
        layout->setMenuBar(bar);
        view_->AttachMenuBar(*bar);
    }
    if (fullScreen_) {
        // Whatever the window manager gives the window, the form fills it;
        // some refuse to maximize a window that does not offer it.
        setWindowFlag(Qt::WindowMaximizeButtonHint, true);
        layout->addWidget(view_);
        view_->installEventFilter(this);
    } else {
        view_->setFixedSize(qRound(std::max(0, form.width - kFrameWidthTwips) * scale),
                            qRound(std::max(0, form.height - kFrameHeightTwips) * scale));
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->addWidget(FittedToScreen(view_, this));
    }
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

// A screen of its own covers the whole screen, also without a window
// manager, which would do the maximizing.
void FormDialog::ShowOnScreen() {
    if (!fullScreen_) {
        show();
        return;
    }
    setGeometry(screen()->availableGeometry());
    showMaximized();
}

void FormDialog::ReportSize() {
    if (form_.Closed()) {
        return;
    }
    const double scale = view_->Scale();
    form_.width = qRound(view_->width() / scale) + kFrameWidthTwips;
    form_.height = qRound(view_->height() / scale) + kFrameHeightTwips;
    DeliverEvent([this] { form_.Form_Resize(); });
}

bool FormDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::Resize) {
        ReportSize();
    }
    return QDialog::eventFilter(watched, event);
}

void FormDialog::RunModal() {
    setWindowModality(Qt::ApplicationModal);
    ShowOnScreen();
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
    ShowOnScreen();
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
