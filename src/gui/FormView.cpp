#include "gui/FormView.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <algorithm>

#include "gui/ClickLabel.h"
#include "gui/Convert.h"
#include "gui/DisplayScale.h"
#include "gui/Events.h"
#include "gui/Fonts.h"
#include "gui/MenuBinder.h"
#include "gui/QtSession.h"
#include "gui/SideSwipe.h"
#include "gui/TillButton.h"
#include "gui/TouchHints.h"
#include "gui/TouchRows.h"

namespace vantor {
namespace {

bool IsLive(const std::vector<FormView*>& views, const FormView* view) {
    return std::find(views.begin(), views.end(), view) != views.end();
}

}  // namespace

FormView::FormView(Form& form, double pixelsPerTwip, QWidget* parent)
    : FormView(form, Scales{pixelsPerTwip, pixelsPerTwip}, parent) {}

FormView::FormView(Form& form, const Scales& scales, QWidget* parent)
    : QWidget(parent), form_(form), scales_(scales), session_(QtSession::Current()) {
    InstallFontSubstitutes();
    session_.liveViews.push_back(this);
    Sync();
}

FormView::~FormView() {
    Detach();
    for (auto& [control, binding] : bindings_) {
        Silence(binding->widget);
    }
}

void FormView::SetScales(const Scales& scales) {
    if (scales == scales_) {
        return;
    }
    scales_ = scales;
    Sync();
}

// A scroll bar thinner than a fingertip grows downwards, its frame with it:
// the keypad's bar runs along the frame's bottom edge, with free room below.
void FormView::WidenForFinger(QWidget& bar) {
    const int touch = MinimumTouchPixels(bar.screen());
    if (bar.height() < touch) {
        bar.resize(bar.width(), touch);
    }
    QWidget* frame = bar.parentWidget();
    if (frame != this && frame != nullptr && frame->height() < bar.geometry().bottom() + 1) {
        frame->resize(frame->width(), bar.geometry().bottom() + 1);
    }
}

// The frames whose controls moved, came or went have their rows fitted to a
// finger, each once; one pass over the bindings finds the shown controls of
// every frame.
void FormView::FitFramesForFinger(std::vector<const Control*>& frames) {
    if (frames.empty()) {
        return;
    }
    std::sort(frames.begin(), frames.end());
    frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    std::vector<std::vector<Binding*>> children(frames.size());
    for (Binding* binding : order_) {
        const auto at = std::lower_bound(frames.begin(), frames.end(), binding->container);
        if (at != frames.end() && *at == binding->container && binding->widget != nullptr &&
            binding->cache.visible) {
            children[static_cast<std::size_t>(at - frames.begin())].push_back(binding);
        }
    }
    const int touch = MinimumTouchPixels(screen());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        FitFrameForFinger(*frames[i], children[i], touch);
    }
}

// On a small screen the frame's rows grow to a fingertip and push each other
// down (FitRowsForFinger); the twips the model holds do not change. A hidden
// frame waits: it is fitted when it shows.
void FormView::FitFrameForFinger(const Control& frame, const std::vector<Binding*>& children,
                                 int touch) {
    auto holder = bindings_.find(const_cast<Control*>(&frame));
    if (holder == bindings_.end() || holder->second->widget == nullptr ||
        frame.kind != ControlKind::Frame || !holder->second->cache.visible) {
        return;
    }
    std::vector<RowItem> items;
    items.reserve(children.size());
    for (const Binding* binding : children) {
        items.push_back(RowItem{binding->cache.geometry, IsTapped(binding->kind)});
    }
    QWidget& box = *holder->second->widget;
    const RowFit fit = FitRowsForFinger(items, holder->second->cache.geometry.size(), touch);
    for (std::size_t i = 0; i < children.size(); ++i) {
        QRect placed = fit.rects[i];
        QWidget& widget = *children[i]->widget;
        if (children[i]->kind == ControlKind::Frame) {
            // A frame inside keeps what its own rows made it grow.
            placed.setHeight(std::max(placed.height(), widget.height()));
        }
        if (widget.geometry() != placed) {
            widget.setGeometry(placed);
        }
    }
    if (fit.height > box.height()) {
        box.resize(box.width(), fit.height);
    }
}

void FormView::Detach() {
    detached_ = true;
    auto& views = session_.liveViews;
    views.erase(std::remove(views.begin(), views.end(), this), views.end());
}

void FormView::AttachMenuBar(QMenuBar& bar) {
    menus_ = std::make_unique<MenuBinder>(
        form_, bar, [this](Control& menu) { Fire([this, &menu] { form_.Click(menu); }); });
    menus_->Sync();
}

FormView* FormView::Find(const Form& form) {
    for (FormView* view : QtSession::Current().liveViews) {
        if (&view->form_ == &form) {
            return view;
        }
    }
    return nullptr;
}

void FormView::SyncAll() {
    const std::vector<FormView*>& live = QtSession::Current().liveViews;
    const std::vector<FormView*> views = live;
    for (FormView* view : views) {
        if (IsLive(live, view)) {
            view->Sync();
        }
    }
    for (FormView* view : views) {
        if (IsLive(live, view) && view->form_.Closed() && !view->closedReported_) {
            view->closedReported_ = true;
            emit view->FormClosed();
        }
    }
}

void FormView::Sync() {
    if (detached_) {
        return;
    }
    if (!built_ || form_.Generation() != builtGeneration_) {
        Rebuild();
    }
    std::vector<const Control*> moved;  // frames whose controls moved, came or went
    for (Binding* binding : order_) {
        if (binding->widget == nullptr) {
            if (!IsShown(*binding->control)) {
                continue;
            }
            Materialize(*binding);
        }
        const QRect before = binding->cache.fresh ? QRect() : binding->cache.geometry;
        const bool wasVisible = binding->cache.visible;
        SyncWidget(*binding->widget, *binding->control, scales_, binding->cache);
        if (binding->kind == ControlKind::HScrollBar) {
            WidenForFinger(*binding->widget);
        }
        if (before != binding->cache.geometry || wasVisible != binding->cache.visible) {
            if (binding->container != nullptr) {
                moved.push_back(binding->container);
            }
            if (binding->kind == ControlKind::Frame) {
                moved.push_back(binding->control);
            }
        }
    }
    FitFramesForFinger(moved);
    if (menus_) {
        menus_->Sync();
    }
    SyncWindowTitle();
    ApplyFocus();
}

// Gives the keyboard focus to the control the form asked for (SetFocus), once
// per request; a text box gets its text selected, so that a faulty amount is
// typed over at once.
void FormView::ApplyFocus() {
    if (form_.FocusRequests() == appliedFocus_ || form_.ActiveControl() == nullptr) {
        return;
    }
    auto found = bindings_.find(form_.ActiveControl());
    if (found == bindings_.end() || found->second->widget == nullptr) {
        return;
    }
    appliedFocus_ = form_.FocusRequests();
    QWidget* widget = found->second->widget;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    }
}

// Whether the control and every frame around it are visible.
bool FormView::IsShown(const Control& control) {
    for (const Control* c = &control; c != nullptr && c->kind != ControlKind::Menu;
         c = c->container) {
        if (!c->visible) {
            return false;
        }
    }
    return true;
}

// A control gets its widget when it is first shown: many controls of a form
// (other modes' frames, parked tables) stay hidden for a whole run, and
// widgets are what the start-up spends its time on.
void FormView::Materialize(Binding& binding) {
    QWidget* parent = this;
    const Control* container = binding.control->container;
    auto holder =
        container == nullptr ? bindings_.end() : bindings_.find(const_cast<Control*>(container));
    if (holder != bindings_.end()) {
        if (holder->second->widget == nullptr) {
            Materialize(*holder->second);
        }
        parent = holder->second->widget;
    }
    binding.widget = CreateWidget(*binding.control, parent, *this);
    binding.cache = WidgetCache{};
    if (binding.kind == ControlKind::HScrollBar && parent != this) {
        const Control& bar = *binding.control;
        new SideSwipe(*parent, static_cast<QScrollBar&>(*binding.widget), [this, &bar] {
            double origin = 0;
            for (const Control* c = bar.container; c != nullptr; c = c->container) {
                origin += c->left;
            }
            return scales_.Across(origin + bar.smallChange) - scales_.Across(origin);
        });
    }
}

void FormView::SyncWindowTitle() {
    if (titled_ != window() || shownCaption_ != form_.caption) {
        titled_ = window();
        shownCaption_ = form_.caption;
        titled_->setWindowTitle(ToQString(shownCaption_));
    }
}

void FormView::Rebuild() {
    BindingMap previous;
    previous.swap(bindings_);
    order_.clear();
    for (Control* control : form_.Controls()) {
        if (control->kind != ControlKind::Menu) {
            order_.push_back(&Ensure(*control, previous));
        }
    }
    for (auto& [control, binding] : previous) {
        RetireBinding(*binding);
    }
    builtGeneration_ = form_.Generation();
    built_ = true;
}

bool FormView::Matches(const Binding& binding, const Control& control) {
    return binding.kind == control.kind && binding.container == control.container &&
           binding.id == ControlId(control);
}

// The binding of a control (its container's first), taken over from the
// previous build when that one showed the same control in the same parent.
FormView::Binding& FormView::Ensure(Control& control, BindingMap& previous) {
    auto existing = bindings_.find(&control);
    if (existing != bindings_.end()) {
        return *existing->second;
    }
    QWidget* parent = this;
    if (control.container != nullptr && control.container->kind != ControlKind::Menu) {
        parent = Ensure(*control.container, previous).widget;
    }
    std::unique_ptr<Binding> binding;
    auto old = previous.find(&control);
    if (old != previous.end() && Matches(*old->second, control) &&
        (old->second->widget == nullptr || old->second->widget->parentWidget() == parent)) {
        binding = std::move(old->second);
        previous.erase(old);
    } else {
        binding = std::make_unique<Binding>();
        binding->control = &control;
        binding->kind = control.kind;
        binding->container = control.container;
        binding->id = ControlId(control);
    }
    Binding& made = *binding;
    bindings_.emplace(&control, std::move(binding));
    return made;
}

// A widget that must never report to the model again.
void FormView::Silence(QWidget* widget) {
    if (widget == nullptr) {
        return;
    }
    widget->blockSignals(true);
    if (auto* button = dynamic_cast<TillButton*>(widget)) {
        button->onMouseDown = nullptr;
    } else if (auto* label = dynamic_cast<ClickLabel*>(widget)) {
        label->onMouseDown = nullptr;
        label->onClick = nullptr;
        label->onMouseUp = nullptr;
    }
}

void FormView::RetireBinding(Binding& binding) {
    if (binding.widget == nullptr) {
        return;
    }
    Silence(binding.widget);
    Retire(binding.widget);
    binding.widget = nullptr;
}

void FormView::ForgetInput(const Control& control) {
    auto found = bindings_.find(const_cast<Control*>(&control));
    if (found != bindings_.end()) {
        ForgetUserInput(found->second->cache);
    }
}

void FormView::Fire(const std::function<void()>& handler) {
    if (detached_ || form_.Closed()) {
        return;
    }
    if (form_.Generation() != builtGeneration_) {
        // The widget belongs to a build the model has moved on from.
        Sync();
        return;
    }
    DeliverEvent(handler);
}

void FormView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        emit FirstPainted();
    }
}

void FormView::Clicked(Control& control) {
    if (control.kind == ControlKind::OptionButton || control.kind == ControlKind::CheckBox) {
        ForgetInput(control);
    }
    Fire([this, &control] { form_.Click(control); });
}

void FormView::MouseDown(Control& control, int button) {
    Fire([this, &control, button] { form_.MouseDown(control, button); });
}

void FormView::MouseUp(Control& control, int button, int x, int y) {
    Fire([this, &control, button, x, y] { form_.MouseUp(control, button, x, y); });
}

void FormView::Chosen(Control& control, int position) {
    ForgetInput(control);
    Fire([this, &control, position] { form_.Choose(control, position); });
}

void FormView::Edited(Control& control, const std::string& text) {
    ForgetInput(control);
    Fire([this, &control, text] { form_.SetText(control, text); });
}

void FormView::Scrolled(Control& control, int value) {
    ForgetInput(control);
    Fire([this, &control, value] { form_.SetValue(control, value); });
}

void FormView::DatePicked(Control& control, const Date& date) {
    ForgetInput(control);
    Fire([this, &control, date] { form_.SetDate(control, date); });
}

}  // namespace vantor
