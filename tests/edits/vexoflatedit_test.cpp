// The flat edit: its border in each state, Enter and Esc, undo, the display text, the
// height rule and the linked label.
#include "edits/vexoflatedit.h"

#include "edits/flatborder.h"
#include "edits/vexolabel.h"
#include "edittestkit.h"
#include "platform/gui/button.h"
#include "platform/gui/edit.h"
#include "platform/text/editmask.h"

using namespace vexo;
using namespace vexo::edittest;

namespace {

TBitmap Border(bool hot, TColor frame) {
    TBitmap b(30, 20, 24);
    TCanvas c(&b);
    c.Brush.Color = clLime;
    c.FillRect(c.ClipRect());
    DrawFlatBorder(c, c.ClipRect(), hot, frame);
    return b;
}

} // namespace

TEST(FlatBorder, RingsOfTheHotAndTheQuietLook) {
    for (bool hot : {false, true}) {
        const TBitmap b = Border(hot, clWindow);
        const TColor inner = hot ? clBlack : ColorToRGB(clBtnFace);
        // Sunken outer edge.
        EXPECT_EQ(At(b, 0, 10), ColorToRGB(clBtnShadow));
        EXPECT_EQ(At(b, 15, 0), ColorToRGB(clBtnShadow));
        EXPECT_EQ(At(b, 29, 10), ColorToRGB(clBtnHighlight));
        EXPECT_EQ(At(b, 15, 19), ColorToRGB(clBtnHighlight));
        // Left column and top row inside it: black when hot.
        EXPECT_EQ(At(b, 1, 10), inner) << hot;
        EXPECT_EQ(At(b, 15, 1), inner) << hot;
        // Inner edge on the right and bottom.
        EXPECT_EQ(At(b, 28, 10), ColorToRGB(cl3DLight));
        EXPECT_EQ(At(b, 15, 18), ColorToRGB(cl3DLight));
        // The frame one pixel further in.
        EXPECT_EQ(At(b, 2, 10), ColorToRGB(clWindow));
        EXPECT_EQ(At(b, 27, 10), ColorToRGB(clWindow));
        EXPECT_EQ(At(b, 15, 10), clLime); // inside untouched
    }
    EXPECT_EQ(At(Border(false, clBtnFace), 2, 10), ColorToRGB(clBtnFace));
}

TEST(FlatEditBorder, LitByTheMouseAndByTheFocus) {
    ActiveForm f;
    auto* other = new TEdit(&f.form);
    other->SetTop(100);
    auto* edit = new TvexoFlatEdit(&f.form);
    edit->SetBounds(10, 10, 100, 24);
    other->SetFocus();
    Hover(*edit, false); // wherever the pointer stands
    const TColor quiet = ColorToRGB(clBtnFace);
    EXPECT_FALSE(edit->Hot());
    EXPECT_EQ(At(Grab(*edit), 1, 12), quiet);
    Hover(*edit, true);
    EXPECT_TRUE(edit->Hot());
    EXPECT_EQ(At(Grab(*edit), 1, 12), clBlack);
    EXPECT_EQ(At(Grab(*edit), 50, 1), clBlack);
    Hover(*edit, false);
    EXPECT_EQ(At(Grab(*edit), 1, 12), quiet);
    edit->SetFocus();
    EXPECT_TRUE(edit->Hot());
    EXPECT_EQ(At(Grab(*edit), 1, 12), clBlack);
    // The frame of a disabled edit is the button face.
    other->SetFocus();
    edit->SetEnabled(false);
    EXPECT_EQ(At(Grab(*edit), 2, 12), ColorToRGB(clBtnFace));
}

TEST(FlatEditKeys, EnterReachesTheDefaultButtonAndTypesNothing) {
    ActiveForm f;
    auto* edit = new TvexoFlatEdit(&f.form);
    auto* ok = new TButton(&f.form);
    ok->SetTop(60);
    ok->SetDefault(true);
    int clicks = 0;
    ok->OnClick = [&](QObject*) { ++clicks; };
    edit->SetFocus();
    QTest::keyClicks(edit, QStringLiteral("ab"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(edit->Text(), QStringLiteral("ab"));
}

TEST(FlatEditKeys, EscUndoesReachesTheCancelButtonAndFiresOnUndo) {
    ActiveForm f;
    auto* edit = new TvexoFlatEdit(&f.form);
    auto* cancel = new TButton(&f.form);
    cancel->SetTop(60);
    cancel->SetCancel(true);
    int clicks = 0, undos = 0;
    cancel->OnClick = [&](QObject*) { ++clicks; };
    edit->OnUndo = [&](QObject* sender) {
        EXPECT_EQ(sender, edit);
        ++undos;
    };
    edit->SetFocus();
    QTest::keyClicks(edit, QStringLiteral("xy"));
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(undos, 1);
    EXPECT_NE(edit->Text(), QStringLiteral("xy"));
    // Ctrl+Z undoes by the platform's edit and notifies; Alt+Backspace undoes too.
    edit->SetText(QString());
    QTest::keyClicks(edit, QStringLiteral("q"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undos, 2);
    EXPECT_TRUE(edit->Text().isEmpty());
    QTest::keyClicks(edit, QStringLiteral("r"));
    QTest::keyClick(edit, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(undos, 3);
    EXPECT_TRUE(edit->Text().isEmpty());
}

TEST(FlatEditKeys, InAMultiLineEditEnterAndEscAreOrdinaryKeys) {
    ActiveForm f;
    auto* edit = new TvexoFlatEdit(&f.form);
    edit->SetMultiLine(true);
    auto* ok = new TButton(&f.form);
    ok->SetTop(60);
    ok->SetDefault(true);
    int clicks = 0, undos = 0;
    ok->OnClick = [&](QObject*) { ++clicks; };
    edit->OnUndo = [&](QObject*) { ++undos; };
    edit->SetFocus();
    QTest::keyClicks(edit, QStringLiteral("ab"));
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(undos, 0);
    EXPECT_EQ(edit->Text(), QStringLiteral("ab"));
}

TEST(FlatEditDisplay, MaskedWhileAnotherControlIsEditedRawWhileFocused) {
    ActiveForm f;
    auto* other = new TEdit(&f.form);
    other->SetTop(100);
    auto* edit = new TvexoFlatEdit(&f.form);
    edit->SetText(QStringLiteral("5551234"));
    edit->SetDisplayFormat(QStringLiteral("000-0000;0;_"));
    other->SetFocus();
    EXPECT_EQ(edit->GetDisplayText(), QStringLiteral("555-1234"));
    edit->OnGetDisplayText = [](QObject*, QString& text) { text += QStringLiteral("!"); };
    EXPECT_EQ(edit->GetDisplayText(), QStringLiteral("555-1234!"));
    edit->SetFocus();
    EXPECT_EQ(edit->GetDisplayText(), QStringLiteral("5551234"));
    EXPECT_EQ(edit->Text(), QStringLiteral("5551234")); // the text itself never changes
}

TEST(FlatEditDisplay, AMaskThatCannotBeReadIsRefusedAndNothingChanges) {
    TvexoFlatEdit edit;
    edit.SetText(QStringLiteral("12"));
    edit.SetDisplayFormat(QStringLiteral("00;0;_"));
    EXPECT_THROW(edit.SetDisplayFormat(QStringLiteral("00\\")), EEditMaskError);
    EXPECT_EQ(edit.DisplayFormat(), QStringLiteral("00;0;_"));
    EXPECT_EQ(edit.Text(), QStringLiteral("12"));
}

TEST(FlatEditDisplay, DisabledTextIsGreyAndAmpersandsShowAsTyped) {
    TBitmap b(80, 20, 24);
    TCanvas c(&b);
    c.Brush.Color = clWhite;
    c.FillRect(c.ClipRect());
    TFont font;
    font.SetColor(clBlack);
    PaintEdit(c, taLeftJustify, clWhite, font, Rect(0, 0, 80, 20), QStringLiteral("A&B"), false);
    EXPECT_TRUE(Empty(InkBox(b, clBlack)));
    EXPECT_FALSE(Empty(InkBox(b, ColorToRGB(clGrayText))));
    TBitmap amp(80, 20, 24);
    TCanvas a(&amp);
    a.Brush.Color = clWhite;
    a.FillRect(a.ClipRect());
    PaintEdit(a, taLeftJustify, clWhite, font, Rect(0, 0, 80, 20), QStringLiteral("&&&"), true);
    TCanvas measure;
    measure.Font.Assign(font);
    EXPECT_GE(InkBox(amp, clBlack).Width(), measure.TextWidth(QStringLiteral("&&")));
}

TEST(FlatEditSize, HeightAutoKeepsTheMinimumHeight) {
    TForm form;
    auto* edit = new TvexoFlatEdit(&form);
    const int minimum = edit->GetMinHeight();
    TCanvas measure;
    measure.Font.Assign(*edit->Font());
    EXPECT_EQ(minimum, 4 + measure.TextHeight(QStringLiteral("W")) + 1);
    edit->SetHeight(5);
    EXPECT_EQ(edit->Height(), minimum);
    edit->SetHeightAuto(false);
    edit->SetHeight(5);
    EXPECT_EQ(edit->Height(), 5);
    edit->SetHeightAuto(true);
    EXPECT_EQ(edit->Height(), minimum);
}

TEST(FlatEditProperties, AlignmentPasswordMaxLengthReadOnly) {
    TvexoFlatEdit edit;
    edit.SetAlignment(taRightJustify);
    EXPECT_TRUE(edit.alignment() & Qt::AlignRight);
    edit.SetPasswordChar(QLatin1Char('*'));
    EXPECT_EQ(edit.echoMode(), QLineEdit::Password);
    EXPECT_TRUE(edit.alignment() & Qt::AlignLeft); // no alignment with a password
    edit.SetMaxLength(3);
    edit.SetText(QStringLiteral("abcdef"));
    EXPECT_EQ(edit.Text(), QStringLiteral("abc"));
    edit.SetReadOnly(true);
    EXPECT_TRUE(edit.isReadOnly());
}

TEST(FlatEditLabel, LightsAnAliveLabelWhileFocused) {
    ActiveForm f;
    auto* other = new TEdit(&f.form);
    other->SetTop(100);
    auto* edit = new TvexoFlatEdit(&f.form);
    auto* label = new TvexoLabel(&f.form);
    edit->SetLightLabel(label);
    edit->SetText(QStringLiteral("abc"));
    edit->SetFocus();
    EXPECT_FALSE(label->Lit()); // not Alive
    other->SetFocus();
    label->SetAlive(true);
    edit->SetFocus();
    EXPECT_TRUE(label->Lit());
    EXPECT_EQ(edit->selectedText(), edit->Text());
    other->SetFocus();
    EXPECT_FALSE(label->Lit());
}
