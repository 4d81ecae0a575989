#include "app/gui/programlook.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "platform/image/canvas.h"
#include "platform/text/font.h"

namespace varnova {

void UseProgramFont() {
    vexo::TFont classic; // "MS Sans Serif"
    classic.SetHeight(-11);
    QFont font = vexo::ToQFont(classic);
    // The canvas draws aliased (its inverted text must stay exact); windows need smooth,
    // readable letters at this size.
    font.setStyleStrategy(QFont::PreferAntialias);
    QApplication::setFont(font);
}

void UseQtTranslations(int lang) {
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (lang != 0)
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        installed = std::move(translator);
    }
}

} // namespace varnova
