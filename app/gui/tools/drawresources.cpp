// Draws the main window's and the About box's pictures into ../images. Run it once after a
// change and commit the files; the program compiles them in through varnova_gui.qrc.
//   g++ -std=c++20 -fPIC drawresources.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/draw
//   QT_QPA_PLATFORM=offscreen /tmp/draw ../images
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

QImage Canvas(int w, int h, QColor fill = Qt::transparent) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

// A yellow folder with its lid opened, 16 x 14.
QImage OpenFolder() {
    QImage image = Canvas(16, 14);
    QPainter p(&image);
    p.setPen(QColor(0x80, 0x60, 0x00));
    p.setBrush(QColor(0xE8, 0xC0, 0x40));
    p.drawPolygon(QPolygon({{0, 2}, {5, 2}, {6, 3}, {12, 3}, {12, 12}, {0, 12}}));
    p.setBrush(QColor(0xFF, 0xE0, 0x70));
    p.drawPolygon(QPolygon({{2, 6}, {15, 6}, {12, 12}, {0, 12}}));
    p.setPen(QColor(0x00, 0x00, 0x00));
    p.drawLine(9, 0, 12, 0);
    p.drawLine(12, 0, 14, 2);
    p.drawLine(14, 2, 12, 2);
    return image;
}

// A blue disc with a white "i", 17 x 17.
QImage InformationSign() {
    QImage image = Canvas(17, 17);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(6, 5), 11);
    g.setColorAt(0, QColor(0x70, 0xA0, 0xFF));
    g.setColorAt(1, QColor(0x10, 0x30, 0xB0));
    p.setPen(QColor(0x08, 0x18, 0x60));
    p.setBrush(g);
    p.drawEllipse(QRectF(0.5, 0.5, 16, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(7, 3, 3, 3));
    p.drawRect(QRectF(7, 7, 3, 7));
    return image;
}

// White, blue and red bands, 32 x 20, with a thin dark border.
QImage RussianFlag() {
    QImage image = Canvas(32, 20, Qt::white);
    QPainter p(&image);
    p.fillRect(1, 7, 30, 6, QColor(0x00, 0x39, 0xA6));
    p.fillRect(1, 13, 30, 6, QColor(0xD5, 0x2B, 0x1E));
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(0, 0, 31, 19);
    return image;
}

// Blue field, white and red saltires, white and red crosses, 32 x 20.
QImage BritishFlag() {
    QImage image = Canvas(32, 20, QColor(0x01, 0x21, 0x69));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(0, 0, 32, 20);
    p.drawLine(32, 0, 0, 20);
    p.setPen(QPen(QColor(0xC8, 0x10, 0x2E), 1.5));
    p.drawLine(QPointF(0, 0.8), QPointF(16, 10.8));
    p.drawLine(QPointF(32, 19.2), QPointF(16, 9.2));
    p.drawLine(QPointF(32, 0.8), QPointF(16, 10.8));
    p.drawLine(QPointF(0, 19.2), QPointF(16, 9.2));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(13, 0, 6, 20, Qt::white);
    p.fillRect(0, 7, 32, 6, Qt::white);
    p.fillRect(14, 0, 4, 20, QColor(0xC8, 0x10, 0x2E));
    p.fillRect(0, 8, 32, 4, QColor(0xC8, 0x10, 0x2E));
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 31, 19);
    return image;
}

// A speech bubble with a question mark, 24 x 24.
QImage QuestionBubble() {
    QImage image = Canvas(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1.5, 1.5, 21, 16), 6, 6);
    QPainterPath tail;
    tail.moveTo(6, 16);
    tail.lineTo(5, 22.5);
    tail.lineTo(12, 16);
    tail.closeSubpath();
    bubble = bubble.united(tail);
    p.setPen(QPen(QColor(0x20, 0x60, 0x20), 1));
    p.setBrush(QColor(0xD2, 0xFF, 0xD4));
    p.drawPath(bubble);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x10, 0x50, 0x10));
    p.drawText(QRectF(1.5, 1.5, 21, 16), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

// The About picture, 160 x 120: two pictures combined by raster operations.
QImage AboutPicture() {
    QImage image(160, 120, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, QColor(0x1B, 0x2A, 0x6B));
    sky.setColorAt(1, QColor(0x7F, 0xB8, 0xE8));
    p.fillRect(image.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF0, 0xC0, 0x30));
    p.drawEllipse(QPointF(62, 58), 38, 38);
    p.setBrush(QColor(0x30, 0xE0, 0x90));
    p.drawRect(QRectF(72, 30, 64, 56));
    p.setBrush(QColor(0xE0, 0x40, 0xC0));
    p.drawPolygon(QPolygonF({{20, 110}, {80, 12}, {140, 110}}));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(QRectF(1, 91, 160, 28), Qt::AlignCenter, QStringLiteral("Varnova"));
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 90, 160, 28), Qt::AlignCenter, QStringLiteral("Varnova"));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool ok = OpenFolder().save(dir + "/openfolder.png") &&
              InformationSign().save(dir + "/information.png") &&
              RussianFlag().save(dir + "/flag_ru.png") &&
              BritishFlag().save(dir + "/flag_en.png") &&
              QuestionBubble().save(dir + "/question.png") &&
              AboutPicture().save(dir + "/about.jpg", "JPG", 90);
    if (!ok)
        std::fprintf(stderr, "cannot write the pictures to %s\n", qPrintable(dir));
    return ok ? 0 : 1;
}
