#pragma once
// A data module: a non-visual container of components that is listed on the screen for as
// long as it exists, so that components of other forms can reference its components by name.

#include "platform/runtime/component.h"
#include "vexo/platform_export.h"

namespace vexo {

class VEXO_PLATFORM_EXPORT TDataModule : public TComponentObject {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TDataModule(vexo::TComponent* owner = nullptr);
    ~TDataModule() override;
};

} // namespace vexo
