// Formatted text: TCanvas::DrawText. The text is first laid out into lines (paragraphs,
// prefix marks, word breaks, ellipses), then measured or drawn line by line.

#include <QFontMetrics>
#include <QPainter>

#include "platform/image/canvas.h"
#include "platform/image/canvas_p.h"

namespace vexo {

namespace {

const QString Ellipsis = QStringLiteral("...");

// A line of text and the positions of the characters drawn underlined ("&x" marks).
struct TTextLine {
    QString Text;
    QList<qsizetype> Underlined;
};

// Widths of text in a font, with tabs expanded to stops counted from the line's start when
// asked to.
class TTextMeasure {
public:
    TTextMeasure(const QFont& font, bool expandTabs)
        : fm_(font), expandTabs_(expandTabs), tab_(8 * fm_.averageCharWidth()) {}

    const QFontMetrics& Metrics() const { return fm_; }
    bool ExpandTabs() const { return expandTabs_; }
    int Width(const QString& s) const { return Advance(s, s.size()); }
    // The x of character `count` of s, the line starting at 0.
    int Advance(const QString& s, qsizetype count) const {
        if (!expandTabs_)
            return fm_.horizontalAdvance(s.left(count));
        int x = 0;
        qsizetype start = 0;
        for (qsizetype i = 0; i < count; ++i)
            if (s.at(i) == QLatin1Char('\t')) {
                x = NextStop(x + fm_.horizontalAdvance(s.mid(start, i - start)));
                start = i + 1;
            }
        return x + fm_.horizontalAdvance(s.mid(start, count - start));
    }
    int NextStop(int x) const { return tab_ > 0 ? (x / tab_ + 1) * tab_ : x; }

private:
    QFontMetrics fm_;
    bool expandTabs_;
    int tab_;
};

// Without tab expansion a tab is a blank, measured and drawn alike.
QStringList Paragraphs(const QString& text, bool singleLine, bool expandTabs) {
    QString t = text;
    if (!expandTabs)
        t.replace(QLatin1Char('\t'), QLatin1Char(' '));
    if (singleLine) {
        t.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        t.replace(QLatin1Char('\r'), QLatin1Char(' '));
        t.replace(QLatin1Char('\n'), QLatin1Char(' '));
        return {t};
    }
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.split(QLatin1Char('\n'));
}

// "&&" is an "&", "&x" an underlined x, a lone "&" at the end nothing.
TTextLine StripPrefixes(const QString& s, bool noPrefix) {
    TTextLine line;
    if (noPrefix) {
        line.Text = s;
        return line;
    }
    line.Text.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s.at(i) != QLatin1Char('&')) {
            line.Text.append(s.at(i));
        } else if (i + 1 < s.size()) {
            ++i;
            if (s.at(i) != QLatin1Char('&'))
                line.Underlined.append(line.Text.size());
            line.Text.append(s.at(i));
        }
    }
    return line;
}

TTextLine Part(const TTextLine& line, qsizetype from, qsizetype to) {
    TTextLine part{line.Text.mid(from, to - from), {}};
    for (qsizetype u : line.Underlined)
        if (u >= from && u < to)
            part.Underlined.append(u - from);
    return part;
}

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Lines of whole words that fit `width`; a word wider than that stands on a line of its own.
// The blanks where a line is broken are dropped.
QList<TTextLine> WrapWords(const TTextLine& paragraph, int width, const TTextMeasure& m) {
    const QString& t = paragraph.Text;
    const qsizetype n = t.size();
    QList<TTextLine> lines;
    qsizetype lineStart = 0, lineEnd = 0, i = 0;
    while (true) {
        qsizetype wordEnd = i;
        while (wordEnd < n && !IsBlank(t.at(wordEnd)))
            ++wordEnd;
        if (lineEnd == lineStart || m.Width(t.mid(lineStart, wordEnd - lineStart)) <= width) {
            lineEnd = wordEnd;
            i = wordEnd;
            while (i < n && IsBlank(t.at(i)))
                ++i;
            if (i >= n)
                break;
        } else {
            lines.append(Part(paragraph, lineStart, lineEnd));
            lineStart = lineEnd = i;
        }
    }
    lines.append(Part(paragraph, lineStart, lineEnd));
    return lines;
}

// The largest k in [0, hi] for which fits(k) holds, fits being monotonic and fits(0) assumed.
template <typename Fits> qsizetype LargestFitting(qsizetype hi, Fits&& fits) {
    qsizetype lo = 0;
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (fits(mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

void EndEllipsis(TTextLine& line, int width, const TTextMeasure& m) {
    if (m.Width(line.Text) <= width)
        return;
    const QString& t = line.Text;
    const qsizetype keep = LargestFitting(
        t.size() - 1, [&](qsizetype k) { return m.Width(t.left(k) + Ellipsis) <= width; });
    line.Text = t.left(keep) + Ellipsis;
    line.Underlined.removeIf([&](qsizetype u) { return u >= keep; });
}

// Keeps as much as fits of the start and all of the last path element ("/" or "\" and
// what follows); a text without a separator loses its middle.
void PathEllipsis(TTextLine& line, int width, const TTextMeasure& m) {
    if (m.Width(line.Text) <= width)
        return;
    const QString t = line.Text;
    const qsizetype sep =
        std::max(t.lastIndexOf(QLatin1Char('/')), t.lastIndexOf(QLatin1Char('\\')));
    if (sep >= 0) {
        const QString tail = t.mid(sep);
        const qsizetype keep = LargestFitting(sep - 1 < 0 ? 0 : sep - 1, [&](qsizetype k) {
            return m.Width(t.left(k) + Ellipsis + tail) <= width;
        });
        line.Text = t.left(keep) + Ellipsis + tail;
        QList<qsizetype> underlined;
        for (qsizetype u : line.Underlined) {
            if (u < keep)
                underlined.append(u);
            else if (u >= sep)
                underlined.append(u - sep + keep + Ellipsis.size());
        }
        line.Underlined = underlined;
        return;
    }
    const qsizetype keep = LargestFitting(t.size() - 1, [&](qsizetype k) {
        return m.Width(t.left((k + 1) / 2) + Ellipsis + t.right(k / 2)) <= width;
    });
    line.Text = t.left((keep + 1) / 2) + Ellipsis + t.right(keep / 2);
    line.Underlined.removeIf([&](qsizetype u) { return u >= (keep + 1) / 2; });
}

// One line in the painter's current clip, its cell's top-left at (x, y).
void PaintLine(QPainter& p, const TTextLine& line, int x, int y, int lineHeight,
               const TTextMeasure& m, const QBrush& background, const QColor& color) {
    const QFontMetrics& fm = m.Metrics();
    if (background.style() != Qt::NoBrush)
        p.fillRect(QRect(x, y, m.Width(line.Text), lineHeight), background);
    const int baseline = y + fm.ascent();
    p.setPen(color);
    if (!m.ExpandTabs()) {
        p.drawText(x, baseline, line.Text);
    } else {
        qsizetype start = 0;
        for (qsizetype i = 0; i <= line.Text.size(); ++i)
            if (i == line.Text.size() || line.Text.at(i) == QLatin1Char('\t')) {
                if (i > start)
                    p.drawText(x + m.Advance(line.Text, start), baseline,
                               line.Text.mid(start, i - start));
                start = i + 1;
            }
    }
    const int underline = std::min(baseline + std::max(1, fm.underlinePos()), y + lineHeight - 1);
    for (qsizetype u : line.Underlined) {
        const int left = m.Advance(line.Text, u);
        const int right = m.Advance(line.Text, u + 1);
        p.fillRect(QRect(x + left, underline, std::max(1, right - left), 1), color);
    }
}

} // namespace

int TCanvas::DrawText(const QString& text, TRect& rect, unsigned flags) {
    const QFont font = ToQFont(Font);
    const TTextMeasure m(font, flags & DT_EXPANDTABS);
    const QFontMetrics& fm = m.Metrics();
    const int lineHeight = fm.height() + ((flags & DT_EXTERNALLEADING) ? fm.leading() : 0);
    const bool singleLine = flags & DT_SINGLELINE;
    const int width = rect.Width();

    QList<TTextLine> lines;
    if (!text.isEmpty())
        for (const QString& paragraph : Paragraphs(text, singleLine, flags & DT_EXPANDTABS)) {
            const TTextLine line = StripPrefixes(paragraph, flags & DT_NOPREFIX);
            if ((flags & DT_WORDBREAK) && !singleLine)
                lines += WrapWords(line, width, m);
            else
                lines.append(line);
        }
    int widest = 0;
    for (TTextLine& line : lines) {
        if (flags & DT_PATH_ELLIPSIS)
            PathEllipsis(line, width, m);
        if (flags & DT_END_ELLIPSIS)
            EndEllipsis(line, width, m);
        widest = std::max(widest, m.Width(line.Text));
    }
    const int height = int(lines.size()) * lineHeight;
    int top = rect.Top;
    if (singleLine && (flags & DT_VCENTER))
        top = rect.Top + (rect.Height() - lineHeight) / 2;
    else if (singleLine && (flags & DT_BOTTOM))
        top = rect.Bottom - lineHeight;
    const int result = top - rect.Top + height;

    if (flags & DT_CALCRECT) {
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + height;
        return height;
    }
    if (lines.isEmpty())
        return result;
    PaintWith([&](QPainter& p) {
        if (!(flags & DT_NOCLIP))
            p.setClipRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()));
        if (flags & DT_RTLREADING)
            p.setLayoutDirection(Qt::RightToLeft);
        p.setFont(font);
        const QBrush background =
            Brush.Style == bsSolid ? QBrush(ToQColor(Brush.Color)) : QBrush(Qt::NoBrush);
        const QColor color = ToQColor(Font.Color());
        int y = top;
        for (const TTextLine& line : lines) {
            const int w = m.Width(line.Text);
            int x = rect.Left;
            if (flags & DT_CENTER)
                x = rect.Left + (width - w) / 2;
            else if (flags & DT_RIGHT)
                x = rect.Right - w;
            PaintLine(p, line, x, y, lineHeight, m, background, color);
            y += lineHeight;
        }
    });
    return result;
}

} // namespace vexo
