// Varnova: combines one working picture with every bitmap of a source folder.
#include <QCoreApplication>
#include <cstdio>

#include "app/commandline.h"

int main(int argc, char** argv) {
    if (argc <= 1) {
        // No arguments: the program's main window belongs here. Until it exists, the usage.
        std::fputs(varnova::UsageText().toUtf8().constData(), stdout);
        return varnova::ecCompleted;
    }
    // Headless: a core application only, so the batch runs where no display exists.
    QCoreApplication app(argc, argv);
    return varnova::RunCommandLine(QCoreApplication::arguments());
}
