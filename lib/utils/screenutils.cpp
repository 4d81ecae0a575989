#include "utils/screenutils.h"

#include "platform/runtime/screen.h"

namespace vexo {

bool SystemSmallFonts() {
    return Screen().PixelsPerInch() == 96;
}

TComponent* GetScreenFormByName(const QString& name) {
    for (int i = Screen().FormCount() - 1; i >= 0; --i)
        if (TComponent* form = Screen().Forms(i);
            form != nullptr && form->Name().compare(name, Qt::CaseInsensitive) == 0)
            return form;
    return nullptr;
}

bool IDERunning() {
    return false;
}

} // namespace vexo
