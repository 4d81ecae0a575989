#include "platform/gui/wincontrol.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <algorithm>

#include "platform/gui/application.h"
#include "platform/gui/form.h"

namespace vexo {

namespace {

TWinControl* NearestWinControl(QWidget* widget) {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (TWinControl* control = TWinControl::FromWidget(w))
            return control;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

bool IsDialogKey(int key, TShiftState shift) {
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return !(shift & (TShiftState(ssCtrl) | ssAlt));
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

// The key a typed character stands for, when a KeyPress handler typed another character.
int KeyOfChar(QChar ch, int fallback) {
    switch (ch.unicode()) {
    case '\r':
        return Qt::Key_Return;
    case 0x1B:
        return Qt::Key_Escape;
    case '\b':
        return Qt::Key_Backspace;
    case '\t':
        return Qt::Key_Tab;
    default:
        break;
    }
    if (ch.isLetterOrNumber() && ch.unicode() < 0x80)
        return ch.toUpper().unicode();
    return fallback;
}

} // namespace

// Raises the framework's enter and exit events from Qt's focus changes (see wincontrol.h).
class TFocusTracker : public QObject {
public:
    static void Ensure() {
        static TFocusTracker* tracker = nullptr;
        if (tracker == nullptr && qApp != nullptr) {
            tracker = new TFocusTracker(qApp);
            QObject::connect(qApp, &QApplication::focusChanged, tracker,
                             [](QWidget* old, QWidget* now) { tracker->FocusChanged(old, now); });
        }
    }

private:
    explicit TFocusTracker(QObject* parent) : QObject(parent) {}

    void FocusChanged(QWidget*, QWidget* now) {
        if (now == nullptr)
            return; // the window lost the focus; its active control stays
        QWidget* window = now->window();
        if (!last_.contains(window))
            QObject::connect(window, &QObject::destroyed, this,
                             [this, window] { last_.remove(window); });
        QPointer<QWidget>& last = last_[window];
        if (last == now)
            return; // the window got the focus back
        TWinControl* before = NearestWinControl(last);
        TWinControl* after = NearestWinControl(now);
        last = now;
        if (before == after)
            return;
        auto contains = [](TWinControl* outer, TWinControl* inner) {
            return inner != nullptr &&
                   (outer == inner || outer->Widget()->isAncestorOf(inner->Widget()));
        };
        auto isForm = [](TWinControl* c) { return c->Widget()->isWindow(); };
        // Every control left, innermost first; a handler may move the focus on, so the
        // chains are fixed before any handler runs.
        QList<QPointer<QWidget>> exits, enters;
        for (TWinControl* c = before; c != nullptr && !isForm(c) && !contains(c, after);
             c = NearestWinControl(c->Widget()->parentWidget()))
            exits.append(c->Widget());
        for (TWinControl* c = after; c != nullptr && !isForm(c) && !contains(c, before);
             c = NearestWinControl(c->Widget()->parentWidget()))
            enters.prepend(c->Widget());
        for (const QPointer<QWidget>& w : exits)
            if (TWinControl* c = TWinControl::FromWidget(w))
                c->DoExit();
        for (const QPointer<QWidget>& w : enters)
            if (TWinControl* c = TWinControl::FromWidget(w))
                c->DoEnter();
    }

    QHash<QWidget*, QPointer<QWidget>> last_;
};

TWinControl::TWinControl(QWidget* widget, TColor color, QPalette::ColorRole colorRole,
                         QPalette::ColorRole textRole, bool parentColor)
    : TControl(widget, color, colorRole, textRole, parentColor) {
    TFocusTracker::Ensure();
    JoinTabParent();
}

TWinControl::~TWinControl() {
    LeaveTabParent();
}

TWinControl* TWinControl::FromWidget(const QWidget* widget) {
    return dynamic_cast<TWinControl*>(const_cast<QWidget*>(widget));
}

TWinControl* TWinControl::TabParent() const {
    return widget_->isWindow() ? nullptr : NearestWinControl(widget_->parentWidget());
}

void TWinControl::JoinTabParent() {
    TWinControl* parent = TabParent();
    if (parent != nullptr && parent->Widget() == tabParent_)
        return;
    LeaveTabParent();
    if (parent == nullptr)
        return;
    parent->tabList_.append(widget_);
    tabParent_ = parent->Widget();
}

void TWinControl::LeaveTabParent() {
    if (TWinControl* parent = FromWidget(tabParent_))
        parent->tabList_.removeAll(widget_);
    tabParent_ = nullptr;
}

int TWinControl::TabOrder() const {
    const TWinControl* parent = FromWidget(tabParent_);
    if (parent == nullptr)
        return -1;
    int index = 0;
    for (const QPointer<QWidget>& w : parent->tabList_) {
        if (w == widget_)
            return index;
        if (w)
            ++index;
    }
    return -1;
}

void TWinControl::SetTabOrder(int order) {
    TWinControl* parent = FromWidget(tabParent_);
    if (parent == nullptr)
        return;
    parent->tabList_.removeAll(nullptr);
    parent->tabList_.removeAll(widget_);
    parent->tabList_.insert(std::clamp(order, 0, int(parent->tabList_.size())), widget_);
}

void TWinControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    widget_->setFocusPolicy(FocusPolicyFor(tabStop));
}

Qt::FocusPolicy TWinControl::FocusPolicyFor(bool tabStop) const {
    return tabStop ? Qt::StrongFocus : Qt::ClickFocus;
}

void TWinControl::SetCtl3D(bool ctl3D) {
    if (ctl3D == ctl3D_)
        return;
    ctl3D_ = ctl3D;
    parentCtl3D_ = false;
}

void TWinControl::SetParentCtl3D(bool parentCtl3D) {
    parentCtl3D_ = parentCtl3D;
    if (parentCtl3D)
        if (const TWinControl* parent = TabParent())
            ctl3D_ = parent->ctl3D_;
}

bool TWinControl::CanFocus() const {
    const TForm* form = ParentForm();
    if (form == nullptr)
        return false;
    for (const QWidget* w = widget_; w != nullptr && w != form; w = w->parentWidget()) {
        const bool visible = !(w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide));
        if (!visible || w->testAttribute(Qt::WA_ForceDisabled))
            return false;
    }
    return true;
}

bool TWinControl::Focused() const {
    return widget_->hasFocus();
}

void TWinControl::SetFocus() {
    widget_->setFocus(Qt::OtherFocusReason);
}

void TWinControl::AddTabOrderList(QList<TWinControl*>& list) const {
    for (const QPointer<QWidget>& w : tabList_)
        if (TWinControl* control = FromWidget(w)) {
            list.append(control);
            control->AddTabOrderList(list);
        }
}

QList<TWinControl*> TWinControl::TabOrderList() const {
    QList<TWinControl*> list;
    AddTabOrderList(list);
    return list;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    const QList<TWinControl*> list = TabOrderList();
    if (list.isEmpty())
        return nullptr;
    int start = int(list.indexOf(current));
    if (start < 0)
        start = goForward ? int(list.size()) - 1 : 0;
    int i = start;
    do {
        if (goForward) {
            if (++i == list.size())
                i = 0;
        } else {
            if (i == 0)
                i = int(list.size());
            --i;
        }
        TWinControl* candidate = list.at(i);
        if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()) &&
            (!checkParent || candidate->TabParent() == this))
            return candidate;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
        next->SelectFirst();
}

void TWinControl::SelectFirst() {
    TWinControl* control = FindNextControl(nullptr, true, true, false);
    if (control == nullptr)
        control = this;
    if (TForm* form = ParentForm())
        form->SetActiveControl(control->Widget());
    else
        control->SetFocus();
}

QList<TControl*> TWinControl::ControlList() const {
    return ChildControls();
}

int TWinControl::ControlCount() const {
    return int(ControlList().size());
}

TControl* TWinControl::Controls(int index) const {
    const QList<TControl*> list = ControlList();
    return index >= 0 && index < list.size() ? list.at(index) : nullptr;
}

TControl* TWinControl::ControlAtPos(QPoint pos, bool allowDisabled) const {
    // Topmost first: the widgets later in their parent's list lie above the earlier ones.
    QList<TControl*> list = ControlList();
    std::stable_sort(list.begin(), list.end(), [](const TControl* a, const TControl* b) {
        const QWidget* pa = a->Widget()->parentWidget();
        const QWidget* pb = b->Widget()->parentWidget();
        return pa == pb &&
               pa->children().indexOf(a->Widget()) > pa->children().indexOf(b->Widget());
    });
    for (TControl* control : list) {
        const QWidget* w = control->Widget();
        if (!control->Visible() || (!allowDisabled && !w->isEnabled()))
            continue;
        if (w->rect().contains(w->mapFrom(widget_, pos)))
            return control;
    }
    return nullptr;
}

void TWinControl::DoEnter() {
    if (OnEnter)
        RunEventHandler([this] { OnEnter(widget_); });
}

void TWinControl::DoExit() {
    if (OnExit)
        RunEventHandler([this] { OnExit(widget_); });
}

void TWinControl::KeyDown(int& key, TShiftState shift) {
    if (OnKeyDown)
        RunEventHandler([&] { OnKeyDown(widget_, key, shift); });
}

void TWinControl::KeyPress(QChar& key) {
    if (OnKeyPress)
        RunEventHandler([&] { OnKeyPress(widget_, key); });
}

void TWinControl::KeyUp(int& key, TShiftState shift) {
    if (OnKeyUp)
        RunEventHandler([&] { OnKeyUp(widget_, key, shift); });
}

bool TWinControl::WantsKey(int, TShiftState) const {
    return false;
}

bool TWinControl::HandleKey(QObject* watched, QKeyEvent* event) {
    // A key reaches the framework once: through the window control nearest to the focus.
    if (QWidget* focus = QApplication::focusWidget();
        focus != nullptr && widget_->isAncestorOf(focus) && NearestWinControl(focus) != this)
        return false;
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->isAutoRepeat())
        return false;
    const int original = event->key();
    int key = original;
    const TShiftState shift = ShiftStateOf(event->modifiers(), QApplication::mouseButtons());
    TForm* form = ParentForm();
    // The form's key handling, as a window control (its handlers are this class's).
    TWinControl* formControl = form;
    const bool preview = form != nullptr && formControl != this && form->KeyPreview();
    auto swallow = [event] {
        event->accept();
        return true;
    };

    if (!press) {
        if (preview)
            formControl->KeyUp(key, shift);
        if (key != 0)
            KeyUp(key, shift);
        if (key == 0)
            return swallow();
        if (key == original)
            return false;
        QKeyEvent changed(event->type(), key, event->modifiers(), event->text());
        Redeliver(watched, &changed);
        return swallow();
    }

    // Short cuts: the popup menus of this control and its parents, then the form's menu.
    for (TControl* c = this; c != nullptr; c = c->ParentControl())
        if (c->PopupMenu() != nullptr && c->PopupMenu()->IsShortCut(key, shift))
            return swallow();
    if (form != nullptr && form->IsShortCut(key, shift))
        return swallow();

    if (preview) {
        formControl->KeyDown(key, shift);
        if (key == 0)
            return swallow();
    }
    KeyDown(key, shift);
    if (key == 0)
        return swallow();
    if (form != nullptr && IsDialogKey(key, shift) && !WantsKey(key, shift) &&
        formControl->DialogKey(key, shift))
        return swallow();
    // Alt with a character is an accelerator for the form's controls and is never typed,
    // used or not (the framework's system characters).
    if (form != nullptr && shift.testFlag(ssAlt) && !shift.testFlag(ssCtrl) &&
        !event->text().isEmpty() && event->text().at(0).isPrint()) {
        formControl->DialogChar(event->text().at(0));
        return swallow();
    }

    QString text = key == original ? event->text() : QString();
    if (!text.isEmpty()) {
        QChar ch = text.at(0);
        const QChar typed = ch;
        if (preview) {
            formControl->KeyPress(ch);
            if (ch.isNull())
                return swallow();
        }
        KeyPress(ch);
        if (ch.isNull())
            return swallow();
        if (ch != typed) {
            text = QString(ch);
            key = KeyOfChar(ch, key);
        }
    }
    if (key == original && text == event->text())
        return false;
    QKeyEvent changed(event->type(), key, event->modifiers(), text, event->isAutoRepeat(),
                      event->count());
    Redeliver(watched, &changed);
    event->setAccepted(changed.isAccepted());
    return true;
}

} // namespace vexo
