#pragma once
// A progress gauge drawn as text, a horizontal or vertical bar, a pie, a modern pie or a
// half-dial needle. Every visible change is drawn at once into an off-screen image; the
// kind's drawing is combined into it by exclusive-or transfers, and so is the text, which
// therefore shows inverted over whatever lies beneath it.
//
// A graphic control of the framework: Color (the area outside the progress area) and the Font
// of the text are the control's own, so that the gauge keeps a single colour and font store.
// It publishes the framework's inherited properties and events of its kind (below, after its
// own), besides what every component and control publishes (Name, Tag, bounds, Cursor, Hint,
// help).

#include <QString>
#include <QWidget>
#include <memory>

#include "gauge_dialogs/bltbitmap.h"
#include "platform/gui/graphiccontrol.h"
#include "platform/runtime/types.h"
#include "vexo/gauge_dialogs_export.h"

namespace vexo {

class TCanvas;

class VEXO_GAUGE_DIALOGS_EXPORT TvexoGauge : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int PercentDone READ PercentDone STORED false)
    Q_PROPERTY(TBevelShape Bevel READ Bevel WRITE SetBevel STORED true)
    Q_PROPERTY(int BevelMargin READ BevelMargin WRITE SetBevelMargin)
    Q_PROPERTY(TBevelShape ProgressBevel READ ProgressBevel WRITE SetProgressBevel STORED true)
    Q_PROPERTY(TGaugeKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(bool ShowText READ ShowText WRITE SetShowText)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(uint BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Progress READ Progress WRITE SetProgress STORED true)
    Q_PROPERTY(bool ShowPercentSymbol READ ShowPercentSymbol WRITE SetShowPercentSymbol)
    VEXO_PUBLISH_ALIGN
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_PARENTCOLOR
    VEXO_PUBLISH_PARENTFONT
    VEXO_PUBLISH_PARENTSHOWHINT
    VEXO_PUBLISH_SHOWHINT
    VEXO_PUBLISH_ANCHORS
    VEXO_PUBLISH_BIDIMODE
    VEXO_PUBLISH_CONSTRAINTS
    VEXO_PUBLISH_DRAGKIND
    VEXO_PUBLISH_PARENTBIDIMODE
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK
    VEXO_PUBLISH_ONDRAGDROP
    VEXO_PUBLISH_ONDRAGOVER
    VEXO_PUBLISH_ONENDDRAG
    VEXO_PUBLISH_MOUSE_EVENTS
    VEXO_PUBLISH_ONCONTEXTPOPUP
    VEXO_PUBLISH_ONRESIZE
    VEXO_PUBLISH_DOCK_EVENTS
    // Declared stream defaults. ShowPercentSymbol declares false, the value a new gauge
    // has, so that a stored true reads back as true.
    Q_CLASSINFO("Default.Caption", "")
    Q_CLASSINFO("Default.BevelMargin", "0")
    Q_CLASSINFO("Default.Kind", "gkHorizontalBar")
    Q_CLASSINFO("Default.ShowText", "True")
    Q_CLASSINFO("Default.ForeColor", "0")
    Q_CLASSINFO("Default.BackColor", "2147483663")
    Q_CLASSINFO("Default.MinValue", "0")
    Q_CLASSINFO("Default.MaxValue", "100")
    Q_CLASSINFO("Default.ShowPercentSymbol", "False")
    Q_CLASSINFO("Default.Color", "2147483653")

public:
    enum TGaugeKind {
        gkText = 0,
        gkHorizontalBar = 1,
        gkVerticalBar = 2,
        gkPie = 3,
        gkModernPie = 4,
        gkNeedle = 5
    };
    Q_ENUM(TGaugeKind)
    enum TBevelShape { bshNone = 0, bshRaised = 1, bshLowered = 2, bshBorder = 3, bshFrame = 4 };
    Q_ENUM(TBevelShape)

    Q_INVOKABLE explicit TvexoGauge(vexo::TComponent* owner = nullptr);
    TvexoGauge(TComponent* owner, QWidget* parent);
    ~TvexoGauge() override;

    QString Caption() const { return caption_; }
    // -1 until the percentage was first computed, then 0..100.
    int PercentDone() const { return percentDone_; }
    TBevelShape Bevel() const { return bevel_; }
    int BevelMargin() const { return bevelMargin_; }
    TBevelShape ProgressBevel() const { return progressBevel_; }
    TGaugeKind Kind() const { return kind_; }
    bool ShowText() const { return showText_; }
    TColor ForeColor() const { return foreColor_; }
    TColor BackColor() const { return backColor_; }
    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    int Progress() const { return progress_; }
    bool ShowPercentSymbol() const { return showPercentSymbol_; }
    // Color, the area outside the progress area, is the control's (TControl::Color).

    // The setters below ignore an unchanged value; a changed one is stored and the
    // progress repainted at once.
    void SetCaption(const QString& caption);
    void SetBevel(TBevelShape bevel);
    void SetBevelMargin(int margin);
    void SetProgressBevel(TBevelShape bevel);
    void SetKind(TGaugeKind kind);
    void SetShowText(bool show);
    void SetForeColor(TColor color);
    void SetBackColor(TColor color);
    void SetShowPercentSymbol(bool show);
    // A changed bound is stored and the percentage recomputed (repainting only when the
    // percentage changes). Progress is not moved into a narrowed range.
    void SetMinValue(int value);
    void SetMaxValue(int value);
    // Accepts only a changed value within [MinValue, MaxValue]; anything else is ignored
    // silently. An accepted value recomputes the percentage.
    void SetProgress(int value);

    void AddProgress(int delta);
    // Caption, MinValue, MaxValue, then Progress := AMin, each through its setter.
    void Prepare(int aMin, int aMax, const QString& aCaption);
    // Caption := empty, then Progress := MinValue.
    void Clear();

    // The off-screen image as last drawn; null when the bitmaps could not be made.
    const TBitmap* OffscreenImage() const { return image_.get(); }
    // Makes the next bitmap creation fail as if memory were exhausted (for tests of the
    // fallback, which keeps a gauge without bitmaps for its whole life).
    static void SimulateOutOfMemory(bool fail);

protected:
    // Resizes the bitmaps to the control when needed, repaints fully when nothing has been
    // painted at this size yet, then shows the off-screen image.
    void Paint() override;
    // CMColorChanged / CMFontChanged: the progress is drawn anew.
    void ColorChanged() override;
    void FontChanged() override;

private:
    void RecalcPercent();
    void RepaintProgress();
    void DrawBevel(TCanvas& canvas, TRect& rect, TBevelShape shape) const;
    void DrawKind(TCanvas& overlay, const TRect& area) const;
    void DrawText(TCanvas& image, TCanvas& overlay, const TRect& area) const;
    void DropBitmaps();

    QString caption_;
    int percentDone_ = -1;
    TBevelShape bevel_ = bshNone;
    int bevelMargin_ = 0;
    TBevelShape progressBevel_ = bshLowered;
    TGaugeKind kind_ = gkHorizontalBar;
    bool showText_ = true;
    TColor foreColor_ = clBlack;
    TColor backColor_ = clBtnFace;
    int minValue_ = 0;
    int maxValue_ = 100;
    int progress_ = 0;
    bool showPercentSymbol_ = false;

    std::unique_ptr<TBltBitmap> image_;
    std::unique_ptr<TBltBitmap> overlay_;
    int bitmapWidth_ = 0;
    int bitmapHeight_ = 0;
    bool painted_ = false;
    bool inPaint_ = false;
};

} // namespace vexo
