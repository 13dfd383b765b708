#include "gui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdlib>

#include "gui/DisplayScale.h"
#include "gui/Events.h"
#include "gui/Fonts.h"
#include "gui/FormView.h"
#include "gui/IdleWatch.h"

namespace vantor {
namespace {

WindowState ToWindowState(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) {
        return WindowState::Minimized;
    }
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        return WindowState::Maximized;
    }
    return WindowState::Normal;
}

constexpr int kMaxRefusals = 2;
constexpr double kSpareRoom = 0.04;

bool Near(const QSize& a, const QSize& b) {
    return std::abs(a.width() - b.width()) <= 1 && std::abs(a.height() - b.height()) <= 1;
}

// The lowest bottom edge of the form's own controls (twips): what the client
// area must hold, whatever the title bar and menu bar of the desktop take.
int ContentHeight(const Form& form) {
    int bottom = 0;
    for (const Control* control : form.Controls()) {
        if (control->container == nullptr && control->kind != ControlKind::Menu) {
            bottom = std::max(bottom, control->top + control->height);
        }
    }
    return bottom > 0 ? bottom + 60 : std::max(1, form.height - kFrameHeightTwips);
}

// The height of the menu bar to come, in the menus' font: a bar of one entry.
int MenuBarHeight() {
    QMenuBar probe;
    probe.addMenu(QStringLiteral("Fichier"));
    return probe.sizeHint().height();
}

}  // namespace

MainWindow::MainWindow(Form& form)
    : form_(form),
      designWidth_(form.width),
      designHeight_(form.height),
      contentHeight_(ContentHeight(form)),
      view_(nullptr) {
    const double fit = FitScale(form.width, form.height);
    // Menus, message boxes and input boxes in the toolkit's default size
    // (8 pt) at the scale of the forms, as big on a touch screen as the rest;
    // set before any widget is made, which costs nothing.
    QApplication::setFont(ControlFont("MS Sans Serif", 8, false, fit));
    scales_ = FirstScales(fit);
    SetSessionScale(fit);
    view_ = new FormView(form_, scales_, this);
    setCentralWidget(view_);
    // The form itself holds the focus until the model gives it to a control:
    // a barcode scanner or a stray key must not type into the first text box
    // (the receipt's message) and end up printed.
    view_->setFocusPolicy(Qt::ClickFocus);
    view_->setFocus(Qt::OtherFocusReason);
    view_->AttachMenuBar(*menuBar());
    connect(view_, &FormView::FormClosed, this, &MainWindow::OnFormClosed, Qt::QueuedConnection);
    connect(view_, &FormView::FirstPainted, this, &MainWindow::FirstPainted);
    new IdleWatch(form_, this);
    const QSize outer(qRound(form_.width * fit), qRound(form_.height * fit));
    resize(outer - QSize(qRound(kFrameWidthTwips * fit), qRound(kFrameHeightTwips * fit)));
}

MainWindow::~MainWindow() {
    view_->Detach();
}

void MainWindow::ShowForm() {
    form_.visible = true;
    switch (form_.windowState) {
        case WindowState::Maximized:
            // Also right without a window manager, which would do the maximizing.
            setGeometry(screen()->availableGeometry());
            showMaximized();
            break;
        case WindowState::Minimized:
            showMinimized();
            break;
        case WindowState::Normal:
            show();
            break;
    }
    // Moved to another screen: laid out again for that screen.
    connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::ReportSize,
            Qt::UniqueConnection);
    // Some desktops never activate a window by themselves (no window manager).
    QTimer::singleShot(0, this, [this] {
        if (!active_) {
            Activated();
        }
    });
}

void MainWindow::BringToFront() {
    if (isMinimized()) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    }
    show();
    raise();
    activateWindow();
}

QSize MainWindow::FrameExtra() const {
    return frameGeometry().size() - size();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !active_) {
        Activated();
    } else if (event->type() == QEvent::WindowDeactivate) {
        active_ = false;
    }
    return QMainWindow::event(event);
}

void MainWindow::Activated() {
    active_ = true;
    if (!closing_ && !form_.Closed()) {
        DeliverEvent([this] { form_.Form_Activate(); });
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ReportSize();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible()) {
        ReportSize();
    }
}

// The window's outer size in twips and its state go to the form, which lays
// itself out in Form_Resize.
void MainWindow::ReportSize() {
    if (closing_ || form_.Closed()) {
        return;
    }
    const WindowState state = ToWindowState(windowState());
    UseScales(ScalesFor(state));
    const QSize outer = frameGeometry().size();
    form_.width = qRound(scales_.TwipsAcross(outer.width()));
    form_.height = qRound(outer.height() / scales_.y);
    form_.windowState = state;
    DeliverEvent([this] { form_.Form_Resize(); });
    ApplyModelSize();
}

// In the normal state the form may give itself a size, which the window
// takes; a size the desktop keeps refusing is not asked for again and again.
void MainWindow::ApplyModelSize() {
    if (form_.Closed() || ToWindowState(windowState()) != WindowState::Normal ||
        form_.windowState != WindowState::Normal) {
        return;
    }
    const QSize target(qRound(scales_.Across(form_.width)), qRound(form_.height * scales_.y));
    if (Near(target, frameGeometry().size())) {
        refusals_ = 0;
        return;
    }
    if (target == lastTarget_ && refusals_ >= kMaxRefusals) {
        return;
    }
    refusals_ = target == lastTarget_ ? refusals_ + 1 : 1;
    lastTarget_ = target;
    resize(target - FrameExtra());
}

// The widgets are made at the scales they will be shown at: a form to be
// maximized gets at once the keypad's columns for its screen's width, which
// the maximized window keeps (ScalesFor) unless its height is quite another.
// Made at the design scale, every control would be placed, sized and fitted
// for a finger twice before the first paint. Down, the controls fill what a
// title bar of the style's height and the menu bar (a fingertip high) leave.
Scales MainWindow::FirstScales(double fit) const {
    const QScreen* where = screen();
    if (form_.windowState != WindowState::Maximized || where == nullptr) {
        return {fit, fit};
    }
    const QRect area = where->availableGeometry();
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const double client = area.height() - title - MenuBarHeight();
    const double down = client / contentHeight_;
    return WideScales(form_, down, area.width(), MinimumTouchPixels(where));
}

// Normal: the design size fits the window's screen. Maximized: the form's
// controls fill the client area down to its real bottom edge; across, the
// keypad shows whole columns and the ticket column takes the rest
// (WideScales).
Scales MainWindow::ScalesFor(WindowState state) const {
    const double fit = FitScale(designWidth_, designHeight_, screen());
    if (state != WindowState::Maximized || view_->height() <= 0) {
        return {fit, fit};
    }
    double down = view_->height() / static_cast<double>(contentHeight_);
    // A scale that already fits with little room to spare is kept: laying
    // out and drawing every control again at start-up costs more than a few
    // pixels are worth.
    if (scales_.y <= down && scales_.y >= down * (1 - kSpareRoom)) {
        down = scales_.y;
    }
    return WideScales(form_, down, frameGeometry().width(), MinimumTouchPixels(screen()));
}

void MainWindow::UseScales(const Scales& scales) {
    if (scales == scales_) {
        return;
    }
    scales_ = scales;
    SetSessionScale(scales.y);
    view_->SetScales(scales);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closing_ && !form_.Closed()) {
        DeliverEvent([this] { form_.RequestClose(); });
    }
    if (closing_ || form_.Closed()) {
        closing_ = true;
        event->accept();
        emit Finished();
    } else {
        event->ignore();
    }
}

void MainWindow::OnFormClosed() {
    if (!closing_) {
        close();
    }
}

}  // namespace vantor
