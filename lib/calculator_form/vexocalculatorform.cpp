#include "calculator_form/vexocalculatorform.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPointer>
#include <QRegularExpression>
#include <array>
#include <limits>

#include "buttons/buttonstrings.h"
#include "buttons/vexospeedbutton.h"
#include "calculator_form/calculatorplacement.h"
#include "calculator_form/calculatorstrings.h"
#include "platform/gui/custompanel.h"
#include "platform/gui/label.h"
#include "platform/gui/menuitem.h"
#include "platform/gui/popupmenu.h"
#include "platform/gui/shortcut.h"
#include "utils/convutils.h"

namespace vexo {

namespace {

enum TKeyLook { klDefault, klMemory, klOperation, klClear };

struct TKeyDef {
    const char* Name;
    const char* Caption;
    char Tag;
    int Left;
    int Top;
    TKeyLook Look;
};

constexpr std::array<TKeyDef, 29> KeyDefs = {{
    {"MemoryClear", "MC", 'c', 8, 64, klMemory},    {"MemoryResult", "MR", 'r', 8, 96, klMemory},
    {"MemoryStore", "MS", 's', 8, 128, klMemory},   {"MemoryAdd", "M+", 'p', 8, 160, klMemory},
    {"Digit7", "7", '7', 40, 64, klDefault},        {"Digit8", "8", '8', 72, 64, klDefault},
    {"Digit9", "9", '9', 104, 64, klDefault},       {"Digit4", "4", '4', 40, 96, klDefault},
    {"Digit5", "5", '5', 72, 96, klDefault},        {"Digit6", "6", '6', 104, 96, klDefault},
    {"Digit1", "1", '1', 40, 128, klDefault},       {"Digit2", "2", '2', 72, 128, klDefault},
    {"Digit3", "3", '3', 104, 128, klDefault},      {"Digit0", "0", '0', 40, 160, klDefault},
    {"UnMinus", "+/-", '~', 72, 160, klOperation},  {"Point", ",", '.', 104, 160, klDefault},
    {"BackSpace", "<-", '\n', 136, 32, klDefault},  {"Divide", "/", '/', 136, 64, klOperation},
    {"Multiply", "*", '*', 136, 96, klOperation},   {"Minus", "-", '-', 136, 128, klOperation},
    {"Plus", "+", '+', 136, 160, klOperation},      {"CLearError", "CE", ' ', 168, 32, klClear},
    {"SQRTB", "sqrt", 'R', 168, 64, klOperation},   {"Percent", "%", '%', 168, 96, klOperation},
    {"Invert", "1/x", 'X', 168, 128, klOperation},  {"Enter", "=", '=', 168, 160, klDefault},
    {"Clear", "C", ' ', 200, 32, klClear},          {"SpeedButton1", "(", '(', 200, 64, klDefault},
    {"SpeedButton2", ")", ')', 200, 96, klDefault},
}};

constexpr int KeySize = 25;

void SetLook(TvexoSpeedButton* button, TKeyLook look) {
    switch (look) {
    case klDefault:
        return;
    case klMemory:
        button->Font()->SetColor(clNavy);
        return;
    case klOperation:
        button->Font()->SetColor(clGray);
        button->Font()->SetStyle(fsBold);
        return;
    case klClear:
        button->Font()->SetColor(clRed);
        button->Font()->SetStyle(fsBold);
        return;
    }
}

} // namespace

TvexoCalculatorForm::TvexoCalculatorForm(TComponent* owner)
    : TForm(owner), calc_(std::make_unique<TvexoCalculating>()) {
    // Chains run left to right as on a pocket calculator. The engine does it itself rather
    // than being fed "=" before each operation, which would also close every open "(".
    calc_->LeftToRight = true;
    SetCaption(vexoCalcCaption);
    // The counterpart of a tool window: fixed size, a small title bar with a close button.
    SetBorderStyle(bsDialog);
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool);
    SetClientSize(234, 191);
    SetKeyPreview(true);
    SetShowHint(true);

    dispP_ = new TCustomPanel(this, this);
    dispP_->SetName(QStringLiteral("DispP"));
    dispP_->SetBevelInner(bvRaised);
    dispP_->SetBevelOuter(bvLowered);
    dispP_->SetBounds(8, 8, 217, 20);
    dispL_ = new TLabel(this, dispP_);
    dispL_->SetName(QStringLiteral("DispL"));
    dispL_->SetAlignment(taRightJustify);
    dispL_->SetBounds(2, 2, 213, 16);
    dispL_->SetCaption(QStringLiteral("0 "));

    auto addButton = [this](const QString& name, const QString& caption, int left, int top,
                            int width, int height) {
        auto* button = new TvexoSpeedButton(this, this);
        button->SetName(name);
        button->SetCaption(caption);
        button->SetBounds(left, top, width, height);
        buttons_.append(button);
        return button;
    };
    TvexoSpeedButton* ok = addButton(QStringLiteral("OkB"), SOKButton, 8, 32, 57, 24);
    TvexoSpeedButton* cancel = addButton(QStringLiteral("CancelB"), SCancelButton, 72, 32, 57, 24);
    for (TvexoSpeedButton* b : {ok, cancel})
        b->Font()->SetStyle(fsBold);
    ok->OnClick = [this](QObject*) { OkBClick(); };
    cancel->OnClick = [this](QObject*) { CancelBClick(); };
    for (const TKeyDef& def : KeyDefs) {
        TvexoSpeedButton* key =
            addButton(QString::fromLatin1(def.Name), QString::fromLatin1(def.Caption), def.Left,
                      def.Top, KeySize, KeySize);
        key->SetTag(def.Tag);
        key->SetFlat(true);
        SetLook(key, def.Look);
        key->OnClick = [this](QObject* sender) { BtnClick(sender); };
    }

    clipMenu_ = new TPopupMenu(this);
    clipMenu_->SetName(QStringLiteral("ClipMenu"));
    const struct {
        const char* Name;
        const QString& Caption;
        int ShortCut;
        void (TvexoCalculatorForm::*Handler)();
    } items[] = {
        {"N1", SCalcCut, ShortCut(Qt::Key_Delete, ssCtrl), &TvexoCalculatorForm::ClipCut},
        {"N2", SCalcCopy, ShortCut(Qt::Key_Insert, ssCtrl), &TvexoCalculatorForm::ClipCopy},
        {"N3", SCalcPaste, ShortCut(Qt::Key_Insert, ssShift), &TvexoCalculatorForm::ClipPaste},
    };
    for (const auto& item : items) {
        auto* menuItem = new TMenuItem(this);
        menuItem->SetName(QString::fromLatin1(item.Name));
        menuItem->SetCaption(item.Caption);
        menuItem->SetShortCut(item.ShortCut);
        menuItem->OnClick = [this, handler = item.Handler](QObject*) { (this->*handler)(); };
        clipMenu_->Items()->Add(menuItem);
    }
    SetPopupMenu(clipMenu_);

    OnKeyPress = [this](QObject*, QChar& key) { FormKeyPress(key); };
    OnKeyDown = [this](QObject*, int& key, TShiftState shift) { FormKeyDown(key, shift); };
    calc_->OnChange = [this](TvexoCalculating*) { CalcChanged(); };
}

TvexoCalculatorForm::~TvexoCalculatorForm() {
    // The engine may report a change while the controls are going.
    calc_->OnChange = nullptr;
}

QString TvexoCalculatorForm::DisplayText() const {
    return dispL_->Caption();
}

TvexoSpeedButton* TvexoCalculatorForm::Button(const QString& name) const {
    for (TvexoSpeedButton* button : buttons_)
        if (button->Name() == name)
            return button;
    return nullptr;
}

void TvexoCalculatorForm::CalcChanged() {
    // The engine leaves X as it was on an error: showing it would pass the failure off as a
    // result.
    const QString text = calc_->Error() ? calc_->ErrorText() : calc_->GetValueAsString();
    dispL_->SetCaption(text + QLatin1Char(' '));
}

void TvexoCalculatorForm::Feed(QChar c) {
    calc_->NextChar(c);
}

void TvexoCalculatorForm::BtnClick(QObject* sender) {
    if (const TComponent* component = TComponent::FromObject(sender))
        Feed(QChar(char16_t(component->Tag() & 0xFF)));
}

void TvexoCalculatorForm::OkBClick() {
    SetModalResult(mrOk);
}

void TvexoCalculatorForm::CancelBClick() {
    SetModalResult(mrCancel);
}

void TvexoCalculatorForm::FormKeyPress(QChar& key) {
    QChar c = key;
    switch (c.unicode()) {
    case '\b':
        c = QLatin1Char('\n');
        break;
    case 'C':
    case 'c':
        c = QLatin1Char(' ');
        break;
    case 'I':
    case 'i':
        c = QLatin1Char('X');
        break;
    case 'Q':
    case 'q':
        c = QLatin1Char('R');
        break;
    case '\x1b':
        SetModalResult(mrCancel);
        break;
    case '\r':
        c = QLatin1Char('=');
        break;
    default:
        break;
    }
    Feed(c);
    key = QChar();
}

void TvexoCalculatorForm::FormKeyDown(int& key, TShiftState shift) {
    const TShiftState keys = shift & (ssShift | ssAlt | ssCtrl);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && keys == ssCtrl) {
        SetModalResult(mrOk);
        key = 0;
    } else if (key == Qt::Key_Delete && keys == TShiftState()) {
        Feed(QLatin1Char(' '));
        key = 0;
    }
}

void TvexoCalculatorForm::ClipCut() {
    QGuiApplication::clipboard()->setText(DisplayText());
    dispL_->SetCaption(QStringLiteral("0 "));
}

void TvexoCalculatorForm::ClipCopy() {
    QGuiApplication::clipboard()->setText(DisplayText());
}

void TvexoCalculatorForm::ClipPaste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText())
        return;
    QString text = data->text().trimmed();
    // The display writes large values as "1.5E+20"; the conversion takes no "+".
    static const QRegularExpression exponentPlus(QStringLiteral("([eE])\\+"));
    text.replace(exponentPlus, QStringLiteral("\\1"));
    bool error = false;
    const double value = WStrToFloat(text, error);
    if (!error)
        calc_->NextValue(value);
    else if (IsFloat(text))
        calc_->NextValue(std::numeric_limits<double>::infinity()); // beyond the double range
    else
        Beep();
}

void TvexoCalculatorForm::ButtonsFlat(bool flat) {
    if (flat)
        return;
    for (TvexoSpeedButton* button : buttons_)
        button->SetFlat(false);
}

void TvexoCalculatorForm::PlaceUnder(const QWidget* control) {
    if (control == nullptr || control->parentWidget() == nullptr) {
        placement_ = nullptr;
        SetPosition(poScreenCenter);
        return;
    }
    QPointer<const QWidget> anchor = control;
    placement_ = [anchor, this](QSize frame) {
        return anchor ? PopupPlacementUnder(*anchor, frame) : pos();
    };
}

void TvexoCalculatorForm::PlaceAt(QPoint screenPoint) {
    placement_ = [screenPoint](QSize frame) { return PopupPlacementAt(screenPoint, frame); };
}

void TvexoCalculatorForm::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    if (placement_)
        move(placement_(frameGeometry().size()));
}

void TvexoCalculatorForm::Beep() {
    QApplication::beep();
}

} // namespace vexo
