#include "platform/runtime/datamodule.h"

#include "platform/runtime/screen.h"

namespace vexo {

TDataModule::TDataModule(TComponent* owner) : TComponentObject(owner) {
    Screen().AddDataModule(this);
}

TDataModule::~TDataModule() {
    Screen().RemoveDataModule(this);
}

} // namespace vexo
