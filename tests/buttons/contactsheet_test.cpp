// A picture of every button kind in its states, checked for telling the states apart. With
// VARNOVA_SHEET_DIR set it is written there as buttons.png (the one in docs/ comes from here).
#include <QApplication>
#include <QMetaEnum>
#include <QPainter>
#include <gtest/gtest.h>

#include "buttons/vexobitbtn.h"
#include "buttons/vexospeedbutton.h"
#include "buttons/vexotransbutton.h"
#include "platform/gui/form.h"
#include "platform/gui/graphiccontrol.h"
#include "platform/gui/menuitem.h"

using namespace vexo;

namespace {

// The bitmap button with its focused and default looks reachable from outside.
class TSheetBitBtn : public TvexoBitBtn {
public:
    using TvexoBitBtn::TvexoBitBtn;
    QImage Shot(bool down = false, bool focused = false, bool active = false) {
        SetButtonStyle(active || focused);
        TBitmap bitmap(Width(), Height(), 32);
        TCanvas canvas(&bitmap);
        const TButtonState state = !isEnabled() ? bsDisabled : down ? bsDown : bsUp;
        DrawButton(canvas, state, ClientRect(), down, focused);
        return BitmapToQImage(bitmap);
    }
};

class TSheetTransButton : public TvexoTransButton {
public:
    using TvexoTransButton::TvexoTransButton;
    QImage Shot(bool down = false, bool focused = false) {
        TBitmap bitmap(Width(), Height(), 32);
        TCanvas canvas(&bitmap);
        DrawItem(canvas); // captures the background
        DrawButton(canvas, down ? bsDown : bsUp, ClientRect(), down, focused);
        return BitmapToQImage(bitmap);
    }
};

// Diagonal stripes under the transparent buttons.
class TStripes : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override {
        TCanvas& c = Canvas();
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                c.SetPixel(x, y, ((x + y) / 6) % 2 ? RGB(0x9C, 0xC4, 0xE4) : RGB(0xC8, 0xDC, 0xF0));
    }
};

// A 16 x 16 tool glyph on olive (the mask colour): a page with a folded corner and lines.
TBitmap ToolGlyph() {
    TBitmap glyph(16, 16, 24);
    TCanvas c(&glyph);
    c.Brush.Color = clOlive;
    c.FillRect(c.ClipRect());
    c.Pen.Color = clBlack;
    c.Brush.Color = clWhite;
    c.Polygon({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}});
    c.Pen.Color = clNavy;
    for (int y = 5; y <= 11; y += 2) {
        c.MoveTo(5, y);
        c.LineTo(12, y);
    }
    return glyph;
}

class TSheet {
public:
    TSheet() : image_(860, 560, QImage::Format_RGB32), painter_(&image_) {
        image_.fill(ToQColor(clBtnFace));
        painter_.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
    }
    // A sample with its label above it, left to right along the current row.
    void Put(const QString& label, const QImage& shot) {
        const int w = std::max(shot.width(), 78);
        if (x_ + w > image_.width() - 8)
            NextRow();
        painter_.setPen(Qt::black);
        painter_.drawText(QRect(x_, y_, w + 6, 12), Qt::AlignLeft | Qt::AlignVCenter, label);
        painter_.drawImage(x_, y_ + 13, shot);
        x_ += w + 8;
        rowHeight_ = std::max(rowHeight_, shot.height() + 13);
        shots_.append(shot);
    }
    void Title(const QString& title) {
        if (x_ != 8)
            NextRow();
        painter_.setFont(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));
        painter_.setPen(QColor(0x20, 0x20, 0x60));
        painter_.drawText(8, y_ + 12, title);
        painter_.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
        y_ += 18;
    }
    void NextRow() {
        x_ = 8;
        y_ += rowHeight_ + 8;
        rowHeight_ = 0;
    }
    const QList<QImage>& Shots() const { return shots_; }
    int Bottom() const { return y_ + rowHeight_; }
    void Save(const char* name) {
        painter_.end();
        // Doubled pixel for pixel, so that one-pixel bevels and focus dots can be told apart.
        QImage used = image_.copy(0, 0, image_.width(), std::min(Bottom() + 8, image_.height()));
        used = used.scaled(used.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString dir = qEnvironmentVariable("VARNOVA_SHEET_DIR");
        if (!dir.isEmpty()) {
            EXPECT_TRUE(used.save(dir + QLatin1Char('/') + QString::fromLatin1(name)));
        }
    }

private:
    QImage image_;
    QPainter painter_;
    int x_ = 8, y_ = 6, rowHeight_ = 0;
    QList<QImage> shots_;
};

QImage Hot(QWidget* w, const std::function<QImage()>& shot) {
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(w, &enter);
    QImage image = shot();
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w, &leave);
    return image;
}

} // namespace

TEST(ContactSheet, ButtonsInTheirStates) {
    TSheet sheet;
    TForm form;
    form.SetClientSize(400, 300);
    form.show();
    QApplication::processEvents();
    const TBitmap tool = ToolGlyph();

    sheet.Title(QStringLiteral("TvexoBitBtn kinds"));
    const TBitBtnKind kinds[] = {bkOK,    bkCancel, bkHelp,   bkYes, bkNo,    bkClose,
                                 bkAbort, bkRetry,  bkIgnore, bkAll, bkCustom};
    for (TBitBtnKind kind : kinds) {
        auto* b = new TSheetBitBtn(&form);
        b->SetKind(kind);
        if (kind == bkCustom)
            b->SetCaption(QStringLiteral("Custom"));
        sheet.Put(QString::fromLatin1(QMetaEnum::fromType<TBitBtnKind>().valueToKey(kind)),
                  b->Shot());
    }

    sheet.Title(QStringLiteral("TvexoBitBtn states"));
    auto* ok = new TSheetBitBtn(&form);
    ok->SetKind(bkOK);
    sheet.Put(QStringLiteral("up"), ok->Shot());
    sheet.Put(QStringLiteral("hot"), Hot(ok, [&] { return ok->Shot(); }));
    sheet.Put(QStringLiteral("down"), ok->Shot(true, true, true));
    sheet.Put(QStringLiteral("focused"), ok->Shot(false, true, true));
    sheet.Put(QStringLiteral("default"), ok->Shot(false, false, true));
    ok->SetEnabled(false);
    sheet.Put(QStringLiteral("disabled"), ok->Shot());
    ok->SetEnabled(true);
    auto* flat = new TSheetBitBtn(&form);
    flat->SetKind(bkRetry);
    flat->SetFlat(true);
    flat->SetBackColor(RGB(0xE8, 0xE4, 0xDC));
    sheet.Put(QStringLiteral("flat"), flat->Shot());
    sheet.Put(QStringLiteral("flat hot"), Hot(flat, [&] { return flat->Shot(); }));
    auto* menuButton = new TSheetBitBtn(&form);
    menuButton->SetCaption(QStringLiteral("Menu"));
    auto* menu = new TPopupMenu(&form);
    menuButton->SetDropDownMenu(menu);
    sheet.Put(QStringLiteral("drop-down"), menuButton->Shot());
    auto* oneCell = new TSheetBitBtn(&form);
    oneCell->SetCaption(QStringLiteral("&Open"));
    oneCell->SetGlyph(&tool);
    sheet.Put(QStringLiteral("1-cell glyph"), oneCell->Shot());
    oneCell->SetEnabled(false);
    sheet.Put(QStringLiteral("1-cell disabled"), oneCell->Shot());

    sheet.Title(QStringLiteral("TvexoBitBtn layouts, shapes, glyph and text"));
    const TButtonLayout layouts[] = {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom};
    for (TButtonLayout layout : layouts) {
        auto* b = new TSheetBitBtn(&form);
        b->SetKind(bkYes);
        b->SetLayout(layout);
        b->SetBounds(0, 0, 75, layout >= blGlyphTop ? 48 : 28);
        sheet.Put(QString::fromLatin1(QMetaEnum::fromType<TButtonLayout>().valueToKey(layout)),
                  b->Shot());
    }
    auto* spaced = new TSheetBitBtn(&form);
    spaced->SetKind(bkNo);
    spaced->SetMargin(10);
    spaced->SetSpacing(10);
    sheet.Put(QStringLiteral("Margin/Spacing 10"), spaced->Shot());
    auto* glyphOnly = new TSheetBitBtn(&form);
    glyphOnly->SetKind(bkHelp);
    glyphOnly->SetCaption(QString());
    glyphOnly->SetBounds(0, 0, 28, 26);
    sheet.Put(QStringLiteral("glyph only"), glyphOnly->Shot());
    auto* textOnly = new TSheetBitBtn(&form);
    textOnly->SetCaption(QStringLiteral("Text only"));
    sheet.Put(QStringLiteral("text only"), textOnly->Shot());
    auto* ellipse = new TSheetBitBtn(&form);
    ellipse->SetCaption(QStringLiteral("Round"));
    ellipse->SetType(btEllipse);
    ellipse->SetBounds(0, 0, 90, 36);
    sheet.Put(QStringLiteral("ellipse"), ellipse->Shot());
    sheet.Put(QStringLiteral("ellipse down"), ellipse->Shot(true, true, true));
    ellipse->SetEnabled(false);
    sheet.Put(QStringLiteral("ellipse disabled"), ellipse->Shot());

    sheet.Title(QStringLiteral("TvexoTransButton over its parent"));
    auto* stripes = new TStripes(&form);
    stripes->SetBounds(0, 0, 400, 300);
    const TvexoButtonKind transKinds[] = {sbOk, sbCancel, sbYes, sbNo, sbClose};
    for (TvexoButtonKind kind : transKinds) {
        auto* b = new TSheetTransButton(&form);
        b->SetBounds(10, 10, 75, 25);
        b->SetKind(kind);
        sheet.Put(QString::fromLatin1(QMetaEnum::fromType<TvexoButtonKind>().valueToKey(kind)),
                  b->Shot());
    }
    auto* trans = new TSheetTransButton(&form);
    trans->SetBounds(10, 10, 75, 25);
    trans->SetKind(sbOk);
    sheet.Put(QStringLiteral("down"), trans->Shot(true));
    sheet.Put(QStringLiteral("focused"), trans->Shot(false, true));
    trans->SetFlat(true);
    sheet.Put(QStringLiteral("flat"), trans->Shot());
    sheet.Put(QStringLiteral("flat hot"), Hot(trans, [&] { return trans->Shot(); }));
    delete stripes;

    sheet.Title(QStringLiteral("TvexoSpeedButton"));
    auto speed = [&](const QString& caption, int groupIndex) {
        auto* b = new TvexoSpeedButton(&form);
        b->SetBounds(200, 200, caption.isEmpty() ? 25 : 70, 25);
        b->SetGlyph(&tool);
        b->SetCaption(caption);
        b->SetGroupIndex(groupIndex);
        return b;
    };
    auto shot = [](TvexoSpeedButton* b) { return BitmapToQImage(b->PaintToBitmap()); };
    auto* s = speed(QString(), 1);
    sheet.Put(QStringLiteral("up"), shot(s));
    s->SetDown(true);
    sheet.Put(QStringLiteral("down (group)"), shot(s));
    s->SetDown(false);
    s->SetEnabled(false);
    sheet.Put(QStringLiteral("disabled"), shot(s));
    auto* f = speed(QStringLiteral("Flat"), 0);
    f->SetFlat(true);
    sheet.Put(QStringLiteral("flat"), shot(f));
    sheet.Put(QStringLiteral("flat hot"), Hot(f, [&] { return shot(f); }));
    auto* o = speed(QStringLiteral("Opaque"), 2);
    o->SetTransparent(false);
    sheet.Put(QStringLiteral("opaque"), shot(o));
    o->SetDown(true);
    sheet.Put(QStringLiteral("opaque down"), shot(o));
    auto* t = speed(QStringLiteral("Top"), 0);
    t->SetLayout(blGlyphTop);
    t->SetBounds(200, 200, 50, 40);
    sheet.Put(QStringLiteral("glyph top"), shot(t));

    // Neighbouring states must look different.
    const QList<QImage>& shots = sheet.Shots();
    ASSERT_GE(shots.size(), 40);
    EXPECT_NE(shots[11], shots[12]); // up / hot
    EXPECT_NE(shots[11], shots[13]); // up / down
    EXPECT_NE(shots[11], shots[15]); // up / default
    EXPECT_NE(shots[11], shots[16]); // up / disabled
    sheet.Save("buttons.png");
}
