// A picture of the edits library's controls in their states, checked for telling the states
// apart. With VARNOVA_SHEET_DIR set it is written there as edits-controls.png (the one in
// docs/ comes from here).
#include "edits/vexocheckbox.h"
#include "edits/vexocombobox.h"
#include "edits/vexoflatedit.h"
#include "edits/vexolabel.h"
#include "edits/vexopanel.h"
#include "edittestkit.h"
#include "support/contactsheet.h"

using namespace vexo;
using namespace vexo::edittest;
using vexo::test::Shot;
using vexo::test::TContactSheet;

TEST(ContactSheet, EditsControlsInTheirStates) {
    TContactSheet sheet(980, 560);
    ActiveForm f;
    f.form.SetClientSize(900, 500);
    f.form.SetColor(clBtnFace);
    auto* parking = new TvexoFlatEdit(&f.form); // holds the focus while others are shot
    parking->SetBounds(800, 450, 60, 20);

    // Labels.
    sheet.Heading(10, 6, QStringLiteral("Labels (TvexoLabel)"));
    auto label = [&](const QString& caption) {
        auto* l = new TvexoLabel(&f.form);
        l->SetBounds(10, 10, 130, 30);
        l->SetCaption(caption);
        l->SetAlignment(taCenter);
        return l;
    };
    int x = 10;
    int rowY = 24;
    auto putLabel = [&](TvexoLabel* l, const QString& title) {
        sheet.Put(x, rowY, title, Shot(*l));
        x += 140;
    };
    putLabel(label(QStringLiteral("Default bevels")), QStringLiteral("normal"));
    TvexoLabel* lit = label(QStringLiteral("Lit by the mouse"));
    lit->SetAlive(true);
    lit->SetTransparent(false);
    lit->SetColorActive(clInfoBk);
    lit->FontActive()->SetStyle(TFont::fsBold);
    Hover(*lit, true);
    ASSERT_TRUE(lit->Lit());
    putLabel(lit, QStringLiteral("hot (Alive, lit)"));
    TvexoLabel* raised = label(QStringLiteral("Raised, band 2"));
    raised->SetBevelOuter(bvRaised);
    raised->SetBevelInner(bvLowered);
    raised->SetBorderWidth(2);
    putLabel(raised, QStringLiteral("outer raised, inner lowered"));
    TvexoLabel* thick = label(QStringLiteral("Bevels 2 wide"));
    thick->SetBevelWidth(2);
    thick->SetBevelInner(bvNone);
    putLabel(thick, QStringLiteral("lowered 2, no inner"));
    TvexoLabel* none = label(QStringLiteral("No bevel"));
    none->SetBevel(false);
    putLabel(none, QStringLiteral("Bevel off"));
    TvexoLabel* disabled = label(QStringLiteral("Disabled"));
    disabled->SetEnabled(false);
    putLabel(disabled, QStringLiteral("disabled"));

    x = 10;
    rowY = 96;
    sheet.Heading(10, 82, QStringLiteral("3-D text (Height3D 2, each light position)"));
    for (TLightPos light : {lpLeftTop, lpRightBottom, lpTop, lpLeft}) {
        TvexoLabel* l = label(QStringLiteral("3-D Text"));
        l->SetBevel(false);
        l->SetHeight3D(2);
        l->SetLight(light);
        l->Font()->SetHeight(-20);
        l->Font()->SetStyle(TFont::fsBold);
        l->Font()->SetColor(clBtnFace);
        l->SetHeight(36);
        putLabel(l, QString::fromLatin1(QMetaEnum::fromType<TLightPos>().valueToKey(light)));
    }
    TvexoLabel* deep = label(QStringLiteral("Depth 3"));
    deep->SetBevel(false);
    deep->SetHeight3D(3);
    deep->SetLightColor(clYellow);
    deep->SetShadowColor(clMaroon);
    deep->Font()->SetHeight(-20);
    deep->SetHeight(36);
    putLabel(deep, QStringLiteral("depth 3, own colours"));

    // Flat edits.
    x = 10;
    sheet.Heading(10, 150, QStringLiteral("Flat edits (TvexoFlatEdit)"));
    auto edit = [&](const QString& text) {
        auto* e = new TvexoFlatEdit(&f.form);
        e->SetBounds(10, 200, 130, 21);
        e->SetText(text);
        Hover(*e, false); // wherever the pointer stands
        return e;
    };
    auto putWin = [&](int y, QWidget& w, const QString& title) {
        sheet.Put(x, y, title, Shot(w));
        x += 140;
    };
    parking->SetFocus();
    putWin(168, *edit(QStringLiteral("Normal")), QStringLiteral("normal"));
    TvexoFlatEdit* hot = edit(QStringLiteral("Mouse over"));
    Hover(*hot, true);
    putWin(168, *hot, QStringLiteral("hot"));
    Hover(*hot, false);
    TvexoFlatEdit* focused = edit(QStringLiteral("Focused"));
    focused->SetFocus();
    focused->deselect();
    putWin(168, *focused, QStringLiteral("focused"));
    parking->SetFocus();
    TvexoFlatEdit* off = edit(QStringLiteral("Disabled"));
    off->SetEnabled(false);
    putWin(168, *off, QStringLiteral("disabled"));
    TvexoFlatEdit* masked = edit(QStringLiteral("5551234"));
    masked->SetDisplayFormat(QStringLiteral("(999) 000-0000;0;_"));
    putWin(168, *masked, QStringLiteral("display mask, unfocused"));
    TvexoFlatEdit* right = edit(QStringLiteral("1 234,50"));
    right->SetAlignment(taRightJustify);
    putWin(168, *right, QStringLiteral("right-justified"));

    // Check boxes and radio buttons.
    sheet.Heading(10, 214, QStringLiteral("Check boxes and radio buttons (TvexoCheckBox)"));
    auto check = [&](const QString& caption, TCheckBoxState state, bool radio) {
        auto* c = new TvexoCheckBox(&f.form);
        c->SetBounds(10, 300, 120, 17);
        c->SetCaption(caption);
        c->SetAllowGrayed(true);
        if (radio)
            c->SetStyle(btRadioButton);
        c->SetState(state);
        Hover(*c, false);
        return c;
    };
    x = 10;
    putWin(232, *check(QStringLiteral("Unchecked"), cbUnchecked, false), QStringLiteral("normal"));
    putWin(232, *check(QStringLiteral("Checked"), cbChecked, false), QStringLiteral("checked"));
    putWin(232, *check(QStringLiteral("Grayed"), cbGrayed, false), QStringLiteral("grayed"));
    TvexoCheckBox* hotCheck = check(QStringLiteral("Hot, checked"), cbChecked, false);
    Hover(*hotCheck, true);
    putWin(232, *hotCheck, QStringLiteral("hot"));
    TvexoCheckBox* focusCheck = check(QStringLiteral("&Focused"), cbUnchecked, false);
    focusCheck->SetFocus();
    putWin(232, *focusCheck, QStringLiteral("focused"));
    parking->SetFocus();
    TvexoCheckBox* offCheck = check(QStringLiteral("Disabled"), cbChecked, false);
    offCheck->SetEnabled(false);
    putWin(232, *offCheck, QStringLiteral("disabled, checked"));
    x = 10;
    auto* radios = new TvexoPanel(&f.form);
    radios->SetBounds(0, 330, 900, 40);
    for (int i = 0; i < 3; ++i) {
        auto* r = new TvexoCheckBox(&f.form, radios);
        r->SetBounds(10, 5, 120, 17);
        r->SetStyle(btRadioButton);
        r->SetCaption(QStringLiteral("Radio %1").arg(i + 1));
        r->SetChecked(i == 1);
        putWin(270, *r, i == 1 ? QStringLiteral("radio, checked") : QStringLiteral("radio"));
    }
    TvexoCheckBox* hotRadio = check(QStringLiteral("Hot radio"), cbUnchecked, true);
    Hover(*hotRadio, true);
    putWin(270, *hotRadio, QStringLiteral("radio, hot"));
    TvexoCheckBox* offRadio = check(QStringLiteral("Disabled"), cbChecked, true);
    offRadio->SetEnabled(false);
    putWin(270, *offRadio, QStringLiteral("radio, disabled"));
    TvexoCheckBox* wrapped = check(QStringLiteral("A caption that wraps"), cbChecked, false);
    wrapped->SetWordWrap(true);
    wrapped->SetHeight(30);
    wrapped->SetWidth(90);
    wrapped->SetVertAlign(baTop);
    putWin(270, *wrapped, QStringLiteral("word wrap, top"));

    // Panels.
    sheet.Heading(10, 322, QStringLiteral("Panels (TvexoPanel)"));
    auto panel = [&](const QString& caption) {
        auto* p = new TvexoPanel(&f.form);
        p->SetBounds(10, 400, 130, 50);
        p->SetCaption(caption);
        return p;
    };
    x = 10;
    putWin(340, *panel(QStringLiteral("Raised")), QStringLiteral("default pattern"));
    TvexoPanel* lowered = panel(QStringLiteral("Lowered"));
    lowered->SetBevelOuter(bvLowered);
    putWin(340, *lowered, QStringLiteral("lowered"));
    TvexoPanel* framed = panel(QStringLiteral("Framed"));
    framed->SetBevelInner(bvLowered);
    framed->SetBorderWidth(3);
    framed->SetBevelWidth(2);
    putWin(340, *framed, QStringLiteral("inner lowered, band 3"));
    TvexoPanel* plain = panel(QStringLiteral("Plain colour"));
    const TBitmap empty;
    plain->SetBackImage(&empty);
    plain->SetBorderStyle(bsSingle);
    putWin(340, *plain, QStringLiteral("no image, single border"));
    TvexoPanel* offPanel = panel(QStringLiteral("Disabled"));
    offPanel->SetEnabled(false);
    putWin(340, *offPanel, QStringLiteral("disabled"));

    // Combo boxes.
    sheet.Heading(10, 416, QStringLiteral("Combo boxes (TvexoComboBox)"));
    auto combo = [&](TComboBoxStyle style) {
        auto* c = new TvexoComboBox(&f.form);
        c->SetBounds(10, 460, 130, 22);
        c->SetStyle(style);
        c->SetItems({"Apple", "Banana", "Cherry"});
        c->SetItemIndex(1);
        Hover(*c, false);
        return c;
    };
    x = 10;
    parking->SetFocus();
    putWin(434, *combo(csDropDown), QStringLiteral("drop-down"));
    TvexoComboBox* hotCombo = combo(csDropDownList);
    Hover(*hotCombo, true);
    putWin(434, *hotCombo, QStringLiteral("list, hot"));
    TvexoComboBox* focusCombo = combo(csDropDownList);
    focusCombo->SetFocus();
    putWin(434, *focusCombo, QStringLiteral("list, focused"));
    parking->SetFocus();
    TvexoComboBox* offCombo = combo(csDropDownList);
    offCombo->SetEnabled(false);
    putWin(434, *offCombo, QStringLiteral("disabled"));

    // States that must look different do.
    const QImage quiet = Shot(*hot);
    Hover(*hot, true);
    EXPECT_NE(Shot(*hot), quiet);
    EXPECT_NE(Shot(*check(QStringLiteral("x"), cbChecked, false)),
              Shot(*check(QStringLiteral("x"), cbGrayed, false)));
    sheet.Save("edits-controls.png");
}
