#include "storage/placement.h"

#include <QMetaObject>
#include <QWidget>

#include "platform/gui/application.h"
#include "platform/ini/inifile.h"
#include "platform/runtime/component.h"
#include "platform/runtime/screen.h"
#include "platform/runtime/typinfo.h"
#include "platform/text/floatformat.h"
#include "utils/words.h"

namespace vexo {

namespace {

const QString kFlags = QStringLiteral("Flags");
const QString kShowCmd = QStringLiteral("ShowCmd");
const QString kPixelsPerInch = QStringLiteral("PixelsPerInch");
const QString kMinMaxPos = QStringLiteral("MinMaxPos");
const QString kNormPos = QStringLiteral("NormPos");

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;

// Word n (from 1) of a "a,b,c,d" text under the current dividers as an integer, fallback when
// missing or no integer.
int IntWord(const QString& text, int n, int fallback) {
    return StrToIntDef(GetWordInfo(text, n).Text, fallback);
}

QString EnumPropIdent(const QWidget* form, const char* name) {
    const TPropInfo prop = GetPropInfo(form, QString::fromLatin1(name));
    if (prop.Kind() != tkEnumeration)
        return QString();
    return prop.EnumName(int(GetOrdProp(form, prop)));
}

bool IsSizeable(const QWidget* form) {
    const QString border = EnumPropIdent(form, "BorderStyle");
    if (!border.isEmpty())
        return border == QLatin1String("bsSizeable") || border == QLatin1String("bsSizeToolWin");
    return form->minimumSize() != form->maximumSize();
}

// The position rule poScreenCenter / poDesktopCenter would move the window again; switch it
// to poDesigned while the form is marked as designing, so that the switch itself moves nothing.
void KeepCentringFromMoving(QWidget* form) {
    const QString position = EnumPropIdent(form, "Position");
    if (position != QLatin1String("poScreenCenter") && position != QLatin1String("poDesktopCenter"))
        return;
    TComponent* component = TComponent::FromObject(form);
    if (component != nullptr && (component->ComponentState() & csDesigning))
        return;
    const TPropInfo prop = GetPropInfo(form, QStringLiteral("Position"));
    const int designed = prop.EnumValue(QStringLiteral("poDesigned"));
    if (designed < 0)
        return;
    const TComponentState state =
        component != nullptr ? component->ComponentState() : TComponentState();
    if (component != nullptr)
        component->SetComponentState(state | csDesigning);
    SetOrdProp(form, prop, designed);
    if (component != nullptr)
        component->SetComponentState(state);
}

// The application's main form, or a form of a program that has none, speaks for the whole
// program: its minimized state and its default maximized state are the program's.
bool ActsAsMainForm(const QWidget* form) {
    const QWidget* main = Application()->MainForm();
    return main == nullptr || main == form;
}

// The platform's forms have no MDI styles, so the rule reduces to the "default" position.
Qt::WindowState DefaultState(const QWidget* form) {
    return ActsAsMainForm(form) && EnumPropIdent(form, "Position") == QLatin1String("poDefault")
               ? Qt::WindowMaximized
               : Qt::WindowNoState;
}

} // namespace

QString ScreenResolutionSuffix() {
    return QStringLiteral("(%1x%2)").arg(Screen().Width()).arg(Screen().Height());
}

void WritePlacementKey(TIniFile& ini, const QString& section, const QString& key,
                       const QString& value) {
    ini.WriteString(section, key + ScreenResolutionSuffix(), value);
    ini.WriteString(section, key, value);
}

QString ReadPlacementKey(const TIniFile& ini, const QString& section, const QString& key) {
    const QString value = ini.ReadString(section, key + ScreenResolutionSuffix(), QString());
    return value.isEmpty() ? ini.ReadString(section, key, QString()) : value;
}

void LoadPlacementFromIni(QWidget* form, const TIniFile& ini, const QString& section,
                          bool loadPosition, bool loadState) {
    if (form == nullptr || (!loadPosition && !loadState))
        return;
    if (loadPosition) {
        bool dataFound = false;
        const QRect current = form->geometry();
        // Flags and the minimized and maximized positions have no counterpart on Qt windows;
        // their presence still counts as stored data.
        ini.ReadInteger(section, kFlags, 0);
        if (!ReadPlacementKey(ini, section, kMinMaxPos).isEmpty())
            dataFound = true;
        int left = current.x();
        int top = current.y();
        int right = current.x() + current.width();
        int bottom = current.y() + current.height();
        const QString normPos = ReadPlacementKey(ini, section, kNormPos);
        if (!normPos.isEmpty()) {
            dataFound = true;
            SetDivisers({QLatin1Char(' '), QLatin1Char(',')});
            left = IntWord(normPos, 1, left);
            top = IntWord(normPos, 2, top);
            right = IntWord(normPos, 3, right);
            bottom = IntWord(normPos, 4, bottom);
        }
        const int ppi = Screen().PixelsPerInch();
        if (ini.ReadInteger(section, kPixelsPerInch, ppi) != ppi)
            dataFound = false;
        if (dataFound) {
            if (!IsSizeable(form)) {
                right = left + current.width();
                bottom = top + current.height();
            }
            if (right > left) {
                KeepCentringFromMoving(form);
                form->setGeometry(left, top, right - left, bottom - top);
            }
        }
    }
    if (loadState) {
        Qt::WindowState state = DefaultState(form);
        switch (ini.ReadInteger(section, kShowCmd, SW_HIDE)) {
        case 1:
        case 5:
        case 9:
            state = Qt::WindowNoState;
            break;
        case 2:
        case 6:
        case 7:
            state = Qt::WindowMinimized;
            break;
        case 3:
            state = Qt::WindowMaximized;
            break;
        default:
            break;
        }
        if (state == Qt::WindowMinimized && ActsAsMainForm(form)) {
            // The program is minimized once its window is up, the way a posted minimize
            // command would; another form simply gets the state below.
            form->setWindowState(form->windowState() &
                                 ~(Qt::WindowMinimized | Qt::WindowMaximized));
            QMetaObject::invokeMethod(form, &QWidget::showMinimized, Qt::QueuedConnection);
            return;
        }
        form->setWindowState((form->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) |
                             state);
    }
    form->update();
}

void SavePlacementToIni(QWidget* form, TIniFile& ini, const QString& section) {
    if (form == nullptr)
        return;
    QRect normal = form->normalGeometry();
    if (!normal.isValid())
        normal = form->geometry();
    const int showCmd = form->isMinimized()   ? SW_SHOWMINIMIZED
                        : form->isMaximized() ? SW_SHOWMAXIMIZED
                                              : SW_SHOWNORMAL;
    const QPoint frame = form->frameGeometry().topLeft() - form->geometry().topLeft();
    ini.WriteInteger(section, kFlags, 0);
    ini.WriteInteger(section, kShowCmd, showCmd);
    ini.WriteInteger(section, kPixelsPerInch, Screen().PixelsPerInch());
    WritePlacementKey(ini, section, kMinMaxPos,
                      QStringLiteral("-1,-1,%1,%2").arg(frame.x()).arg(frame.y()));
    WritePlacementKey(ini, section, kNormPos,
                      QStringLiteral("%1,%2,%3,%4")
                          .arg(normal.x())
                          .arg(normal.y())
                          .arg(normal.x() + normal.width())
                          .arg(normal.y() + normal.height()));
}

} // namespace vexo
