// A picture of the framework's visible controls in their states, checked for telling the
// states apart. With VARNOVA_SHEET_DIR set it is written there as platform-controls.png (the
// one in docs/ comes from here).
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <gtest/gtest.h>

#include "platform/gui/form.h"
#include "platform/gui/imagelist.h"
#include "platform/gui/mainmenu.h"
#include "platform/gui/memo.h"
#include "platform/gui/pagecontrol.h"
#include "platform/gui/popupmenu.h"
#include "platform/gui/shortcut.h"
#include "platform/image/canvas.h"
#include "support/contactsheet.h"

using namespace vexo;
using vexo::test::Shot;
using vexo::test::TContactSheet;

namespace {

TMenuItem* Item(TComponent* owner, TMenuItem* parent, const QString& caption) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

// Three 16 x 16 glyphs on a fuchsia (transparent) ground.
TBitmap Glyphs() {
    TBitmap strip(48, 16, 24);
    TCanvas c(&strip);
    c.Brush.Color = clFuchsia;
    c.FillRect(c.ClipRect());
    c.Brush.Color = clRed;
    c.FillRect(Bounds(2, 2, 12, 12));
    c.Brush.Color = clBlue;
    c.Ellipse(Bounds(17, 1, 14, 14));
    c.Brush.Color = clGreen;
    c.Rectangle(Bounds(34, 4, 12, 9));
    return strip;
}

} // namespace

TEST(ContactSheet, PlatformControlsInTheirStates) {
    TContactSheet sheet(900, 470, QColor(250, 250, 250),
                        QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));
    TForm form;
    auto* images = new TImageList(16, 16, &form);
    images->AddMasked(Glyphs(), clFuchsia);

    form.SetClientSize(400, 150);
    auto* mainMenu = new TMainMenu(&form);
    for (const char* caption : {"&File", "&Edit", "&View"})
        Item(&form, mainMenu->Items(), QString::fromLatin1(caption));
    Item(&form, mainMenu->Items(), QStringLiteral("&Help"))->SetRightJustify(true);
    form.SetMenu(mainMenu);
    auto* memo = new TMemo(&form);
    memo->SetAlign(alClient);
    memo->SetText(QStringLiteral("A memo aligned to the client area\nunder the menu bar\n"
                                 "\tthe third line after a tab"));
    sheet.Put(10, 10, QStringLiteral("Form: main menu (Help on the right), memo alClient"),
              Shot(form));

    auto* popup = new TPopupMenu(&form);
    popup->SetImages(images);
    TMenuItem* cut = Item(&form, popup->Items(), QStringLiteral("Cu&t"));
    cut->SetImageIndex(0);
    cut->SetShortCut(TextToShortCut(QStringLiteral("Ctrl+X")));
    Item(&form, popup->Items(), QStringLiteral("&Copy"))->SetImageIndex(1);
    TMenuItem* paste = Item(&form, popup->Items(), QStringLiteral("&Paste (disabled)"));
    paste->SetImageIndex(2);
    paste->SetEnabled(false);
    Item(&form, popup->Items(), QStringLiteral("-"));
    Item(&form, popup->Items(), QStringLiteral("&Word wrap (checked)"))->SetChecked(true);
    Item(&form, popup->Items(), QStringLiteral("-"));
    for (const char* size : {"&Small", "&Medium", "&Large"}) {
        TMenuItem* radio = Item(&form, popup->Items(), QString::fromLatin1(size));
        radio->SetRadioItem(true);
        radio->SetGroupIndex(1);
        radio->SetChecked(size[1] == 'M');
    }
    Item(&form, popup->Items(), QStringLiteral("-"));
    Item(&form, Item(&form, popup->Items(), QStringLiteral("M&ore")), QStringLiteral("One"));
    Item(&form, popup->Items(), QStringLiteral("&Properties (default)"))->SetDefault(true);
    QMenu* menu = popup->Menu();
    menu->adjustSize();
    menu->popup(QPoint(0, 0));
    QApplication::processEvents();
    const QImage menuShot = menu->grab().toImage();
    menu->hide();
    EXPECT_GT(menuShot.height(), 11 * 15);
    sheet.Put(440, 10, QStringLiteral("Popup menu"), menuShot);

    TForm pagesForm;
    pagesForm.SetClientSize(400, 140);
    auto* pages = new TPageControl(&pagesForm);
    pages->SetAlign(alClient);
    pages->SetImages(images);
    for (const char* caption : {"General", "Options", "Hidden", "About"}) {
        auto* sheetPage = new TTabSheet(&pagesForm);
        sheetPage->SetCaption(QString::fromLatin1(caption));
        sheetPage->SetPageControl(pages);
        sheetPage->SetImageIndex(pages->PageCount() - 1);
        sheetPage->SetTabVisible(caption[0] != 'H');
    }
    auto* pageMemo = new TMemo(&pagesForm, pages->Pages(1));
    pageMemo->SetBounds(10, 10, 220, 60);
    pageMemo->SetText(QStringLiteral("A memo on the Options page"));
    pages->SetActivePageIndex(1);
    sheet.Put(10, 220, QStringLiteral("Page control: Options active, Hidden without a tab"),
              Shot(pagesForm));

    // The image list on white and on the button face: enabled, then disabled.
    TBitmap cells(200, 50, 24);
    TCanvas c(&cells);
    c.Brush.Color = clWhite;
    c.FillRect(Bounds(0, 0, 200, 25));
    c.Brush.Color = clBtnFace;
    c.FillRect(Bounds(0, 25, 200, 25));
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 3; ++i) {
            images->Draw(c, 4 + 20 * i, 4 + 25 * row, i, true);
            images->Draw(c, 104 + 20 * i, 4 + 25 * row, i, false);
        }
    const QImage drawn = BitmapToQImage(cells);
    EXPECT_NE(drawn.copy(4, 4, 60, 16), drawn.copy(104, 4, 60, 16));
    sheet.Put(440, 330, QStringLiteral("Image list: enabled | disabled"), drawn.scaled(400, 100));
    sheet.Save("platform-controls.png");
}
