// A contact sheet for widget tests: labelled shots of controls drawn into one picture. With
// VARNOVA_SHEET_DIR set the picture is written there under the given name; the pictures in
// docs/ come from it.
#pragma once

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace vexo::test {

class TContactSheet {
public:
    TContactSheet(int width, int height, QColor background = QColor(236, 233, 226),
                  QFont font = QFont(QStringLiteral("DejaVu Sans"), 8))
        : image_(width, height, QImage::Format_RGB32) {
        image_.fill(background);
        painter_.begin(&image_);
        painter_.setFont(font);
    }

    // A bold line of text with its baseline 12 pixels below y.
    void Heading(int x, int y, const QString& text) {
        QFont bold = painter_.font();
        bold.setBold(true);
        painter_.save();
        painter_.setFont(bold);
        painter_.setPen(Qt::black);
        painter_.drawText(x, y + 12, text);
        painter_.restore();
    }

    // A shot with its title above it; titleGap is the room the title takes.
    void Put(int x, int y, const QString& title, const QImage& shot, int titleGap = 15) {
        painter_.setPen(QColor(60, 60, 60));
        painter_.drawText(x, y + 11, title);
        painter_.drawImage(x, y + titleGap, shot);
    }

    QPainter& Painter() { return painter_; }

    void Save(const QString& name) {
        painter_.end();
        const QString dir = qEnvironmentVariable("VARNOVA_SHEET_DIR");
        if (!dir.isEmpty()) {
            EXPECT_TRUE(image_.save(dir + QLatin1Char('/') + name));
        }
    }

private:
    QImage image_;
    QPainter painter_;
};

// The widget as it is on screen, after pending paint and layout events.
inline QImage Shot(QWidget& widget) {
    widget.show();
    QApplication::processEvents();
    return widget.grab().toImage();
}

} // namespace vexo::test
