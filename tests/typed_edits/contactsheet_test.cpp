// A picture of the typed edit in its looks, kinds, masks and with its button, and one of the
// period dialog. With VARNOVA_SHEET_DIR set they are written there as typed-edits.png and
// period-dialog.png (the ones in docs/ come from here).
#include "buttons/vexobitbtn.h"
#include "platform/gui/imagelist.h"
#include "support/contactsheet.h"
#include "typed_edits/editimages.h"
#include "typed_edits/vexogetperiodform.h"
#include "typedtestkit.h"

using namespace vexo;
using namespace vexo::typedtest;
using vexo::test::Shot;
using vexo::test::TContactSheet;
using E = TvexoCustomEdit;

namespace {

// An edit on a host of its own, so that the shot takes in the button beside it.
struct Hosted {
    QWidget* host;
    TvexoEdit* edit;
};

Hosted MakeEdit(TForm& form, int y) {
    auto* host = new QWidget(&form);
    host->setGeometry(10, y, 170, 31);
    host->setAutoFillBackground(true);
    auto* edit = new TvexoEdit(&form, host);
    edit->SetBounds(4, 5, 130, 21);
    return {host, edit};
}

} // namespace

TEST(ContactSheet, TypedEditsInTheirLooksAndKinds) {
    TContactSheet sheet(760, 330);
    CaughtMessages messages; // none expected; caught rather than left waiting on screen
    ActiveForm f(700, 600);
    f.form.SetColor(clBtnFace);
    auto* parking = new TvexoEdit(&f.form); // holds the focus while others are shot
    parking->SetBounds(600, 560, 60, 20);
    parking->SetFocus();
    int y = 10;
    auto edit = [&](const QString& text, E::TValueKind kind = E::vkString) {
        Hosted h = MakeEdit(f.form, y);
        y += 35;
        h.edit->SetValueKind(kind);
        h.edit->setText(text);
        return h;
    };
    auto focused = [&](Hosted h) {
        h.edit->SetFocus();
        h.edit->deselect();
        const QImage shot = Shot(*h.host);
        parking->SetFocus();
        return shot;
    };
    const int w = 185;
    auto row = [&](int r, int c, const QString& title, const QImage& shot) {
        sheet.Put(10 + c * w, 24 + r * 56, title, shot);
    };

    sheet.Heading(10, 6, "Looks (EditStyle) and kinds (ValueKind)");
    Hosted normal = edit("weNormal");
    row(0, 0, "weNormal", Shot(*normal.host));
    row(0, 1, "weNormal, focused", focused(edit("weNormal")));
    Hosted flat = edit("weFlat");
    flat.edit->SetEditStyle(E::weFlat);
    const QImage flatShot = Shot(*flat.host);
    row(0, 2, "weFlat (etched line)", flatShot);
    Hosted flatHot = edit("weFlat");
    flatHot.edit->SetEditStyle(E::weFlat);
    row(0, 3, "weFlat, focused", focused(flatHot));
    EXPECT_NE(flatShot, Shot(*normal.host));

    row(1, 0, "vkInteger", Shot(*edit("12345", E::vkInteger).host));
    Hosted money = edit("1234.5", E::vkFloat);
    money.edit->SetDisplayFormat("#,##0.00");
    row(1, 1, "vkFloat, format #,##0.00", Shot(*money.host));
    Hosted rounded = edit("3.14159", E::vkFloat);
    rounded.edit->SetRoundValue(true);
    row(1, 2, "vkFloat, RoundValue 2", Shot(*rounded.host));
    Hosted secret = edit("secret");
    secret.edit->SetPasswordChar('*');
    row(1, 3, "PasswordChar *", Shot(*secret.host));

    auto withButton = [&](const QString& text, E::TValueKind kind) {
        Hosted h = edit(text, kind);
        h.edit->SetBounds(4, 5, 130, 21);
        h.edit->SetRightControl(true);
        return h;
    };
    const QImage calc = Shot(*withButton("42", E::vkInteger).host);
    row(2, 0, "RightControl: calculator", calc);
    const QImage date = Shot(*withButton("3/5/2004", E::vkDate).host);
    row(2, 1, "RightControl: date picker", date);
    row(2, 2, "RightControl: time picker", Shot(*withButton("10:30:00 AM", E::vkTime).host));
    Hosted off = withButton("3/5/2004", E::vkDate);
    off.edit->SetEnabled(false);
    const QImage disabled = Shot(*off.host);
    row(2, 3, "RightControl, disabled", disabled);
    EXPECT_NE(calc.copy(136, 5, 21, 21), date.copy(136, 5, 21, 21)) << "glyphs per kind";
    EXPECT_NE(date.copy(136, 5, 21, 21), disabled.copy(136, 5, 21, 21)) << "disabled glyph";

    Hosted typedDate = edit({}, E::vkDate);
    typedDate.edit->SetMask("dd.MM.yyyy");
    typedDate.edit->SetFocus();
    QTest::keyClicks(typedDate.edit, "0503");
    row(3, 0, "Mask dd.MM.yyyy, typing", Shot(*typedDate.host));
    QTest::keyClicks(typedDate.edit, "2004");
    parking->SetFocus();
    Hosted blank = edit({}, E::vkTime);
    blank.edit->SetMask("hh:mm am/pm");
    row(3, 1, "Mask hh:mm am/pm, empty", Shot(*blank.host));
    Hosted full = edit({}, E::vkTime);
    full.edit->SetMask("hh:mm am/pm");
    full.edit->SetFocus();
    QTest::keyClicks(full.edit, "1130pm");
    row(3, 2, "Mask hh:mm am/pm, typed", Shot(*full.host));
    parking->SetFocus();

    // The glyph strip and the hand cursor, twice their size.
    TImageList* images = EditImages();
    QImage strip(images->Width() * images->Count(), images->Height(), QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    {
        QPainter p(&strip);
        for (int i = 0; i < images->Count(); ++i)
            p.drawImage(i * images->Width(), 0, images->Image(i));
    }
    row(3, 3, "Glyph strip (x2)", strip.scaled(strip.size() * 2));
    sheet.Put(10 + 3 * w, 24 + 4 * 56, "Hand cursor (x2)",
              EditHandCursor().pixmap().toImage().scaled(64, 64));
    sheet.Save("typed-edits.png");
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.Last().toStdString();
}

TEST(ContactSheet, PeriodDialog) {
    TvexoGetPeriodForm form;
    form.FromDateE->SetDate(EncodeDate(2026, 12, 1));
    form.ToDateE->SetDate(EncodeDate(2026, 12, 31));
    form.show();
    form.OkB->SetFocus();
    const QImage shot = Shot(form);
    TContactSheet sheet(shot.width() + 20, shot.height() + 40);
    sheet.Put(10, 6, "TvexoGetPeriodForm (GetPeriod)", shot, 20);
    sheet.Save("period-dialog.png");
    form.close();
}
