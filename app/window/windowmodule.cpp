// The desktop program as a module: `varnova` loads it when it starts without arguments.
#include <QApplication>

#include "app/gui/mainwindow.h"

extern "C" __attribute__((visibility("default"))) int varnova_window_main(int& argc, char** argv) {
    QApplication app(argc, argv);
    return varnova::RunMainWindow();
}
