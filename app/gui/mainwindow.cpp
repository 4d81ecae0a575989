#include "app/gui/mainwindow.h"

#include <QApplication>
#include <exception>
#include <memory>

#include "app/gui/aboutform.h"
#include "app/gui/form1.h"
#include "platform/gui/application.h"

namespace varnova {

int RunMainWindow() {
    try {
        vexo::Application()->SetTitle(QStringLiteral(" Varnova v1.0"));
        auto main = std::make_unique<TForm1>();
        vexo::Application()->SetMainForm(main.get());
        auto about = std::make_unique<TAboutForm>();
        main->show();
        QApplication::exec();
    } catch (const std::exception& e) {
        vexo::Application()->ShowException(e);
    }
    // The program ends normally also after an error shown at start-up.
    return 0;
}

} // namespace varnova
