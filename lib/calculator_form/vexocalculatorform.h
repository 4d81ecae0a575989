#pragma once
// The pop-up calculator window: a display over 29 flat keys and OK / Cancel, driving one
// calculator engine. Keys, typed characters and the clipboard menu all end as characters fed
// to the engine; the display shows the engine's value, or its error text while the engine is
// in error.

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

#include "calculator/vexocalculating.h"
#include "platform/gui/form.h"
#include "vexo/calculator_form_export.h"

namespace vexo {

class TCustomPanel;
class TLabel;
class TMenuItem;
class TPopupMenu;
class TvexoSpeedButton;

class VEXO_CALCULATOR_FORM_EXPORT TvexoCalculatorForm : public TForm {
    Q_OBJECT

public:
    // Client area 234 x 191, a fixed tool window captioned "Calculator", key preview on.
    Q_INVOKABLE explicit TvexoCalculatorForm(vexo::TComponent* owner = nullptr);
    ~TvexoCalculatorForm() override;

    TvexoCalculating& Calculator() { return *calc_; }
    // The display text: the value (or error text) followed by one blank.
    QString DisplayText() const;
    // OK, Cancel and the 29 keys, in that order.
    const QList<TvexoSpeedButton*>& Buttons() const { return buttons_; }
    TvexoSpeedButton* Button(const QString& name) const;
    TPopupMenu* ClipMenu() const { return clipMenu_; }

    // Feeds the character of a key's Tag to the engine, which runs chains left to right.
    void BtnClick(QObject* sender);
    void OkBClick();
    void CancelBClick();
    // Backspace is the engine's backspace, C clears, I inverts, Q takes the square root, Enter
    // is "="; Esc cancels the window. The key is used up.
    void FormKeyPress(QChar& key);
    // Ctrl+Enter confirms; Delete clears the entry as on a desktop calculator.
    void FormKeyDown(int& key, TShiftState shift);
    // The display text on the clipboard; cutting leaves "0 " on the display (the value is kept).
    void ClipCut();
    void ClipCopy();
    // Clipboard text that is a number becomes the value; a number beyond the double range sets
    // the engine's overflow error; other text beeps and keeps the value. No text: nothing.
    void ClipPaste();
    // False makes every button of the form raised; true leaves them as they are (flat keys).
    void ButtonsFlat(bool flat);
    // Where the window opens when shown (its frame known then): under the control, or in the
    // middle of the screen when there is none or it has no parent; or with its top-left corner
    // at a point of the screen. Inside the screen's work area either way.
    void PlaceUnder(const QWidget* control);
    void PlaceAt(QPoint screenPoint);

protected:
    // The refusal of a paste; the platform's beep.
    virtual void Beep();
    void showEvent(QShowEvent* event) override;

private:
    void CalcChanged();
    void Feed(QChar c);

    std::unique_ptr<TvexoCalculating> calc_;
    TCustomPanel* dispP_ = nullptr;
    TLabel* dispL_ = nullptr;
    TPopupMenu* clipMenu_ = nullptr;
    QList<TvexoSpeedButton*> buttons_;
    std::function<QPoint(QSize frame)> placement_;
};

} // namespace vexo
