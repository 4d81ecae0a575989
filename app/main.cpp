// Varnova: combines one working picture with every bitmap of a source folder.
#include <QApplication>
#include <QCoreApplication>

#include "app/commandline.h"
#include "app/gui/mainwindow.h"

int main(int argc, char** argv) {
    if (argc <= 1) {
        // No arguments: the desktop program.
        QApplication app(argc, argv);
        return varnova::RunMainWindow();
    }
    // Headless: a core application only, so the batch runs where no display exists.
    QCoreApplication app(argc, argv);
    return varnova::RunCommandLine(QCoreApplication::arguments());
}
