// A small program on the installed vexo library: a progress gauge, the 32-bit bitmap graphic
// with an image operation, INI storage through the form storage and a string utility. It
// prints what each gives and exits with 1 when one of them does not do what it should.
//
// Build with CMake (see CMakeLists.txt) or with pkg-config:
//   c++ -std=c++20 main.cpp $(pkg-config --cflags --libs vexo) -o vexo_consumer
#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include <vexo/gauge_dialogs/vexogauge.h>
#include <vexo/graphics/imageops.h>
#include <vexo/graphics/vexobitmapgraphic.h>
#include <vexo/storage/formstorage.h>
#include <vexo/utils/strutils.h>

namespace {

int failures = 0;

void Report(bool ok, const char* what, const QString& detail) {
    std::printf("%s %-8s %s\n", ok ? "ok    " : "FAILED", what, qPrintable(detail));
    if (!ok)
        ++failures;
}

void UseGauge() {
    vexo::TvexoGauge gauge;
    gauge.resize(160, 20);
    gauge.Prepare(0, 200, QStringLiteral("Copying"));
    gauge.SetProgress(50);
    // Painting (here into a pixmap, offscreen) sizes the gauge's image to the widget.
    const QPixmap shot = gauge.grab();
    const vexo::TBitmap* image = gauge.OffscreenImage();
    Report(gauge.PercentDone() == 25 && shot.width() == 160 && image != nullptr &&
               image->Width() == 160 && image->Height() == 20,
           "gauge",
           QStringLiteral("%1% drawn into a %2 x %3 image")
               .arg(gauge.PercentDone())
               .arg(image ? image->Width() : 0)
               .arg(image ? image->Height() : 0));
}

void UseBitmapGraphic() {
    vexo::TvexoBitmapGraphic bitmap;
    bitmap.Allocate(4, 2, 32);
    bitmap.SetCurrentArea(0, 0, 4, 2);
    bitmap.BeginUpdate();
    bitmap.SetQuickPixel(0, 0, 0x00FF0000); // pure red in the buffer's 0x00RRGGBB layout
    bitmap.SetQuickPixel(1, 0, 0x000000FF);
    bitmap.EndUpdate();
    vexo::ConvertToGrayScale(bitmap.Area(), bitmap.Area());
    bitmap.UpdateBitmap();
    const std::uint32_t grey = bitmap.PixelRgb(0, 0);
    Report(grey == 0x00555555 && bitmap.PixelRgb(1, 0) == 0x00555555, "bitmap",
           QStringLiteral("red in grey scale is 0x%1").arg(grey, 6, 16, QLatin1Char('0')));
}

void UseFormStorage(const QString& folder) {
    vexo::TvexoFormStorage storage;
    storage.SetIniFileName(folder + QStringLiteral("/consumer.ini"));
    storage.WriteString(QStringLiteral("Consumer"), QStringLiteral("Greeting"),
                        QStringLiteral("Привет"));
    storage.WriteInteger(QStringLiteral("Consumer"), QStringLiteral("Runs"), 3);
    const QString greeting =
        storage.ReadString(QStringLiteral("Consumer"), QStringLiteral("Greeting"), QString());
    const int runs = storage.ReadInteger(QStringLiteral("Consumer"), QStringLiteral("Runs"), 0);
    Report(greeting == QStringLiteral("Привет") && runs == 3 &&
               QFile::exists(storage.IniFileName()),
           "storage",
           QStringLiteral("read back \"%1\" and %2 from %3")
               .arg(greeting)
               .arg(runs)
               .arg(storage.IniFileName()));
}

void UseStringUtility() {
    const QString text = vexo::ReplaceStr(QStringLiteral("one picture, one folder"),
                                          QStringLiteral("one"), QStringLiteral("every"));
    Report(text == QStringLiteral("every picture, every folder"), "strings", text);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "vexo_consumer: cannot create a temporary folder\n");
        return 1;
    }
    UseGauge();
    UseBitmapGraphic();
    UseFormStorage(folder.path());
    UseStringUtility();
    std::printf("%s\n", failures == 0 ? "vexo consumer: all passed" : "vexo consumer: failures");
    return failures == 0 ? 0 : 1;
}
