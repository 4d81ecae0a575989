#pragma once
// The screen: the process-wide list of the forms and data modules that exist, in creation
// order, and the primary display's size and pixels per inch. Forms join with AddForm when
// they are created and leave with RemoveForm when they are destroyed; data modules do the
// same with AddDataModule and RemoveDataModule (TDataModule does it itself).

#include <QList>
#include <QPoint>
#include <QRect>

#include "platform/runtime/component.h"
#include "vexo/platform_export.h"

namespace vexo {

class VEXO_PLATFORM_EXPORT TScreen {
public:
    int FormCount() const { return int(forms_.size()); }
    // Form at index, none outside the list.
    TComponent* Forms(int index) const;
    void AddForm(TComponent* form);
    void RemoveForm(TComponent* form);
    bool HasForm(const TComponent* form) const;

    int DataModuleCount() const { return int(dataModules_.size()); }
    TComponent* DataModules(int index) const;
    void AddDataModule(TComponent* dataModule);
    void RemoveDataModule(TComponent* dataModule);

    // The primary display in pixels and its logical pixels per inch (96 without a display).
    int Width() const;
    int Height() const;
    int PixelsPerInch() const;
    // The part of the display that windows may take (without panels and docks): of the
    // primary display, or of the display under a screen point (the primary one when no
    // display is there). Empty without a display.
    QRect WorkAreaRect() const;
    QRect WorkAreaRectAt(QPoint point) const;

private:
    QList<TComponent*> forms_;
    QList<TComponent*> dataModules_;
};

VEXO_PLATFORM_EXPORT TScreen& Screen();

} // namespace vexo
