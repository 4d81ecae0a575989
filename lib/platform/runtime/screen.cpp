#include "platform/runtime/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace vexo {

namespace {

QScreen* PrimaryScreen() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
               ? QGuiApplication::primaryScreen()
               : nullptr;
}

} // namespace

TComponent* TScreen::Forms(int index) const {
    return index >= 0 && index < forms_.size() ? forms_.at(index) : nullptr;
}

void TScreen::AddForm(TComponent* form) {
    if (form != nullptr && !forms_.contains(form))
        forms_.append(form);
}

void TScreen::RemoveForm(TComponent* form) {
    forms_.removeAll(form);
}

bool TScreen::HasForm(const TComponent* form) const {
    return form != nullptr && forms_.contains(const_cast<TComponent*>(form));
}

TComponent* TScreen::DataModules(int index) const {
    return index >= 0 && index < dataModules_.size() ? dataModules_.at(index) : nullptr;
}

void TScreen::AddDataModule(TComponent* dataModule) {
    if (dataModule != nullptr && !dataModules_.contains(dataModule))
        dataModules_.append(dataModule);
}

void TScreen::RemoveDataModule(TComponent* dataModule) {
    dataModules_.removeAll(dataModule);
}

int TScreen::Width() const {
    QScreen* screen = PrimaryScreen();
    return screen != nullptr ? screen->geometry().width() : 0;
}

int TScreen::Height() const {
    QScreen* screen = PrimaryScreen();
    return screen != nullptr ? screen->geometry().height() : 0;
}

int TScreen::PixelsPerInch() const {
    QScreen* screen = PrimaryScreen();
    return screen != nullptr ? int(std::lround(screen->logicalDotsPerInch())) : 96;
}

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

} // namespace vexo

namespace vexo {

QRect TScreen::WorkAreaRect() const {
    QScreen* screen = PrimaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

QRect TScreen::WorkAreaRectAt(QPoint point) const {
    if (PrimaryScreen() == nullptr)
        return QRect();
    QScreen* screen = QGuiApplication::screenAt(point);
    return screen != nullptr ? screen->availableGeometry() : WorkAreaRect();
}

} // namespace vexo
