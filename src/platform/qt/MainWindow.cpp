#include "platform/qt/MainWindow.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <cstdlib>

#include "platform/qt/DisplayScale.h"
#include "platform/qt/Events.h"
#include "platform/qt/FormView.h"

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

bool Near(const QSize& a, const QSize& b) {
    return std::abs(a.width() - b.width()) <= 1 && std::abs(a.height() - b.height()) <= 1;
}

}  // namespace

MainWindow::MainWindow(Form& form)
    : form_(form), scale_(FitScale(form.width, form.height)), view_(nullptr) {
    SetSessionScale(scale_);
    view_ = new FormView(form_, scale_, this);
    setCentralWidget(view_);
    view_->AttachMenuBar(*menuBar());
    connect(view_, &FormView::FormClosed, this, &MainWindow::OnFormClosed, Qt::QueuedConnection);
    connect(view_, &FormView::FirstPainted, this, &MainWindow::FirstPainted);
    const QSize outer(qRound(form_.width * scale_), qRound(form_.height * scale_));
    resize(outer - QSize(qRound(kFrameWidthTwips * scale_), qRound(kFrameHeightTwips * scale_)));
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
    const QSize outer = frameGeometry().size();
    form_.width = qRound(outer.width() / scale_);
    form_.height = qRound(outer.height() / scale_);
    form_.windowState = ToWindowState(windowState());
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
    const QSize target(qRound(form_.width * scale_), qRound(form_.height * scale_));
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
