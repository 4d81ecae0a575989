#include "gauge_dialogs/vexogauge.h"

#include <new>

#include "gauge_dialogs/gaugedialogsclasses.h"
#include "gauge_dialogs/gaugegeometry.h"
#include "graphics/drawtext.h"
#include "platform/image/canvas.h"
#include "platform/runtime/exception.h"

namespace vexo {

namespace {

bool simulateOutOfMemory = false;

void Blacken(TCanvas& canvas) {
    canvas.CopyMode = cmBlackness;
    canvas.CopyRect(canvas.ClipRect(), canvas, canvas.ClipRect());
    canvas.CopyMode = cmSrcCopy;
}

void XorOnto(TCanvas& image, const TBitmap& overlay) {
    image.CopyMode = cmSrcInvert;
    image.Draw(0, 0, overlay);
    image.CopyMode = cmSrcCopy;
}

} // namespace

void TvexoGauge::SimulateOutOfMemory(bool fail) {
    simulateOutOfMemory = fail;
}

TvexoGauge::TvexoGauge(TComponent* owner) : TvexoGauge(owner, nullptr) {}

// The text colour role is never used: the text is drawn white and combined by exclusive-or.
TvexoGauge::TvexoGauge(TComponent* owner, QWidget* parent) : TGraphicControl(owner, parent) {
    RegisterGaugeDialogsClasses();
    // Framed and opaque: the gauge paints every pixel itself.
    SetControlStyle(ControlStyle() | csFramed | csOpaque);
    SetBounds(Left(), Top(), 100, 18);
    try {
        if (simulateOutOfMemory)
            throw std::bad_alloc();
        image_ = std::make_unique<TBltBitmap>();
        image_->SetHeight(height());
        image_->SetWidth(width());
        overlay_ = std::make_unique<TBltBitmap>();
        overlay_->MakeLike(*image_);
        bitmapWidth_ = width();
        bitmapHeight_ = height();
    } catch (const std::bad_alloc&) {
        DropBitmaps();
    } catch (const EOutOfResources&) {
        DropBitmaps();
    }
}

TvexoGauge::~TvexoGauge() = default;

void TvexoGauge::DropBitmaps() {
    image_.reset();
    overlay_.reset();
}

void TvexoGauge::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    RepaintProgress();
}

void TvexoGauge::SetBevel(TBevelShape bevel) {
    if (bevel == bevel_)
        return;
    bevel_ = bevel;
    RepaintProgress();
}

void TvexoGauge::SetBevelMargin(int margin) {
    if (margin == bevelMargin_)
        return;
    bevelMargin_ = margin;
    RepaintProgress();
}

void TvexoGauge::SetProgressBevel(TBevelShape bevel) {
    if (bevel == progressBevel_)
        return;
    progressBevel_ = bevel;
    RepaintProgress();
}

void TvexoGauge::SetKind(TGaugeKind kind) {
    if (kind == kind_)
        return;
    kind_ = kind;
    RepaintProgress();
}

void TvexoGauge::SetShowText(bool show) {
    if (show == showText_)
        return;
    showText_ = show;
    RepaintProgress();
}

void TvexoGauge::SetForeColor(TColor color) {
    if (color == foreColor_)
        return;
    foreColor_ = color;
    RepaintProgress();
}

void TvexoGauge::SetBackColor(TColor color) {
    if (color == backColor_)
        return;
    backColor_ = color;
    RepaintProgress();
}

void TvexoGauge::SetShowPercentSymbol(bool show) {
    if (show == showPercentSymbol_)
        return;
    showPercentSymbol_ = show;
    RepaintProgress();
}

void TvexoGauge::ColorChanged() {
    RepaintProgress();
}

void TvexoGauge::FontChanged() {
    RepaintProgress();
}

void TvexoGauge::SetMinValue(int value) {
    if (value == minValue_)
        return;
    minValue_ = value;
    RecalcPercent();
}

void TvexoGauge::SetMaxValue(int value) {
    if (value == maxValue_)
        return;
    maxValue_ = value;
    RecalcPercent();
}

void TvexoGauge::SetProgress(int value) {
    if (value == progress_ || value < minValue_ || value > maxValue_)
        return;
    progress_ = value;
    RecalcPercent();
}

void TvexoGauge::AddProgress(int delta) {
    SetProgress(progress_ + delta);
    RecalcPercent();
}

void TvexoGauge::Prepare(int aMin, int aMax, const QString& aCaption) {
    SetCaption(aCaption);
    SetMinValue(aMin);
    SetMaxValue(aMax);
    SetProgress(aMin);
}

void TvexoGauge::Clear() {
    SetCaption(QString());
    SetProgress(minValue_);
}

void TvexoGauge::RecalcPercent() {
    const int percent = GaugePercent(minValue_, maxValue_, progress_);
    if (percent == percentDone_)
        return;
    percentDone_ = percent;
    RepaintProgress();
}

void TvexoGauge::DrawBevel(TCanvas& canvas, TRect& r, TBevelShape shape) const {
    canvas.Brush.Color = Color();
    canvas.FillRect(r);
    canvas.Brush.Style = bsClear;
    auto topLeftLines = [&](TColor color) {
        canvas.Pen.Color = color;
        canvas.MoveTo(r.Left, r.Bottom - 1);
        canvas.LineTo(r.Left, r.Top);
        canvas.LineTo(r.Right - 1, r.Top);
    };
    switch (shape) {
    case bshNone:
        return;
    case bshRaised:
        canvas.Pen.Color = clBtnShadow;
        canvas.Rectangle(r);
        topLeftLines(clBtnHighlight);
        break;
    case bshLowered:
        canvas.Pen.Color = clBtnHighlight;
        canvas.Rectangle(r);
        topLeftLines(clBtnShadow);
        break;
    case bshBorder:
        canvas.Pen.Color = clBlack;
        canvas.Rectangle(r);
        break;
    case bshFrame:
        canvas.Pen.Color = clBtnHighlight;
        canvas.Rectangle(Rect(r.Left + 1, r.Top + 1, r.Right, r.Bottom));
        canvas.Pen.Color = clBtnShadow;
        canvas.Rectangle(Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1));
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        break;
    }
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
}

void TvexoGauge::DrawKind(TCanvas& c, const TRect& r) const {
    c.Pen.Width = 1;
    c.Pen.Color = foreColor_;
    c.Brush.Style = bsSolid;
    switch (kind_) {
    case gkText:
        c.Brush.Color = backColor_;
        c.FillRect(r);
        break;
    case gkHorizontalBar:
    case gkVerticalBar:
        c.Brush.Color = backColor_;
        c.FillRect(r);
        c.Brush.Color = foreColor_;
        c.FillRect(kind_ == gkHorizontalBar ? HorizontalBarFill(r, percentDone_)
                                            : VerticalBarFill(r, percentDone_));
        break;
    case gkPie:
    case gkModernPie: {
        c.Brush.Color = Color();
        c.FillRect(r);
        c.Brush.Color = backColor_;
        const TGaugePie pie = GaugePieGeometry(r, percentDone_, kind_ == gkModernPie);
        c.Ellipse(pie.Box);
        if (percentDone_ > 0) {
            c.Brush.Color = foreColor_;
            c.Pie(pie.Box, pie.Start, pie.End);
        }
        if (kind_ == gkModernPie) {
            c.MoveTo(pie.Center.X, pie.Center.Y);
            c.LineTo(pie.Start.X, pie.Start.Y);
        }
        break;
    }
    case gkNeedle: {
        c.Brush.Color = Color();
        c.FillRect(r);
        c.Brush.Color = backColor_;
        const TGaugeNeedle n = GaugeNeedleGeometry(r, percentDone_);
        c.Pie(n.Dial, n.DialStart, n.DialEnd);
        if (percentDone_ > 0) {
            c.MoveTo(n.From.X, n.From.Y);
            c.LineTo(n.To.X, n.To.Y);
        }
        break;
    }
    }
}

void TvexoGauge::DrawText(TCanvas& image, TCanvas& overlay, const TRect& r) const {
    if (percentDone_ == 0)
        return;
    const TRect c = Rect(0, 0, width(), height());
    Blacken(overlay);
    overlay.Brush.Style = bsClear;
    AssignQFont(overlay.Font, font());
    overlay.Font.SetColor(clWhite);
    const TPenMode penMode = overlay.Pen.Mode;
    overlay.Pen.Mode = pmNot;
    const QString s = GaugeText(kind_, caption_, percentDone_, showPercentSymbol_);
    const int x = (c.Right - c.Left + 1 - overlay.TextWidth(s)) / 2;
    const int y = (c.Bottom - c.Top + 1 - overlay.TextHeight(s)) / 2;
    overlay.TextRect(c, x, y, s);
    if (kind_ == gkModernPie) {
        const int cx = r.Left + (r.Right - r.Left) / 2;
        const int cy = r.Bottom - (r.Bottom - r.Top) / 2;
        AngleTextInRect(overlay, QStringLiteral("     ") + caption_, r, cx, cy,
                        ModernPieCaptionAngle(percentDone_));
    }
    overlay.Brush.Style = bsSolid;
    overlay.Pen.Mode = penMode;
    XorOnto(image, *overlay_);
}

void TvexoGauge::RepaintProgress() {
    if (!image_)
        return;
    TCanvas image(image_.get());
    TCanvas overlay(overlay_.get());
    TRect r = Rect(0, 0, width(), height());
    image.Brush.Color = Color();
    image.FillRect(r);
    DrawBevel(image, r, bevel_);
    r = Rect(r.Left + bevelMargin_, r.Top + bevelMargin_, r.Right - bevelMargin_,
             r.Bottom - bevelMargin_);
    DrawBevel(image, r, progressBevel_);
    image.Brush.Color = clBlack;
    image.Brush.Style = bsSolid;
    image.FillRect(r);
    Blacken(overlay);
    DrawKind(overlay, r);
    XorOnto(image, *overlay_);
    if (showText_)
        DrawText(image, overlay, r);
    if (!inPaint_)
        update();
}

void TvexoGauge::Paint() {
    if (!image_)
        return;
    try {
        if (height() != bitmapHeight_) {
            image_->SetHeight(height());
            overlay_->SetHeight(height());
            bitmapHeight_ = height();
            painted_ = false;
        }
        if (width() != bitmapWidth_) {
            image_->SetWidth(width());
            overlay_->SetWidth(width());
            bitmapWidth_ = width();
            painted_ = false;
        }
    } catch (const EOutOfResources&) {
        // A size beyond the bitmap limits: the gauge goes on without drawing.
        DropBitmaps();
        return;
    } catch (const std::bad_alloc&) {
        DropBitmaps();
        return;
    }
    if (!painted_) {
        inPaint_ = true;
        --percentDone_;
        RecalcPercent();
        inPaint_ = false;
        painted_ = true;
    }
    Canvas().CopyMode = cmSrcCopy;
    Canvas().Draw(0, 0, *image_);
}

} // namespace vexo
