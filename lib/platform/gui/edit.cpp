#include "platform/gui/edit.h"

namespace vexo {

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

} // namespace vexo
