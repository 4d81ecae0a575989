#include "utils/gui/keyboardlayouts.h"

#include <QGuiApplication>
#include <QStringList>

#include "utils/gui/xkbsymbols_p.h"

// Xlib defines macros (None, Bool, Status, ...) that clash with Qt's names: it comes last.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace vexo {

namespace {

// The saved layout and the one activated last, as keyboard groups; -1 for none.
struct LayoutState {
    int Saved = -1;
    int Loaded = -1;
};

LayoutState& State() {
    static LayoutState state;
    return state;
}

// A connection to the X server with XKB, when the application runs on X11.
class XkbDisplay {
public:
    XkbDisplay() {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr ||
            QGuiApplication::platformName() != QLatin1String("xcb"))
            return;
        int event = 0, error = 0, reason = 0;
        int major = XkbMajorVersion, minor = XkbMinorVersion;
        display_ = XkbOpenDisplay(nullptr, &event, &error, &major, &minor, &reason);
    }
    ~XkbDisplay() {
        if (display_ != nullptr)
            XCloseDisplay(display_);
    }
    XkbDisplay(const XkbDisplay&) = delete;
    XkbDisplay& operator=(const XkbDisplay&) = delete;
    Display* Get() const { return display_; }

private:
    Display* display_ = nullptr;
};

int CurrentGroup(Display* display) {
    XkbStateRec state{};
    return XkbGetState(display, XkbUseCoreKbd, &state) == Success ? int(state.group) : -1;
}

QList<TXkbLayout> ConfiguredLayouts(Display* display) {
    QList<TXkbLayout> layouts;
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (keyboard == nullptr)
        return layouts;
    if (XkbGetNames(display, XkbSymbolsNameMask, keyboard) == Success &&
        keyboard->names != nullptr && keyboard->names->symbols != 0)
        if (char* symbols = XGetAtomName(display, keyboard->names->symbols)) {
            layouts = ParseXkbSymbols(QString::fromLatin1(symbols));
            XFree(symbols);
        }
    XkbFreeKeyboard(keyboard, 0, True);
    return layouts;
}

bool LockGroup(Display* display, int group) {
    if (!XkbLockGroup(display, XkbUseCoreKbd, unsigned(group)))
        return false;
    XSync(display, False);
    return true;
}

bool SwitchTo(const QStringList& codes) {
    const XkbDisplay display;
    if (display.Get() == nullptr)
        return false;
    const int group = FindXkbGroup(ConfiguredLayouts(display.Get()), codes);
    const int current = CurrentGroup(display.Get());
    if (group < 0 || current < 0)
        return false;
    State().Saved = current;
    if (!LockGroup(display.Get(), group))
        return false;
    State().Loaded = group;
    return true;
}

} // namespace

bool SwitchToRussian() {
    return SwitchTo({QStringLiteral("ru")});
}

bool SwitchToEnglish() {
    return SwitchTo({QStringLiteral("us"), QStringLiteral("gb")});
}

bool RestoreLayout() {
    if (State().Saved < 0)
        return false;
    const XkbDisplay display;
    return display.Get() != nullptr && LockGroup(display.Get(), State().Saved);
}

} // namespace vexo
