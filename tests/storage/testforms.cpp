#include "testforms.h"

#include "platform/screen.h"

namespace testforms {

TTestForm::TTestForm(vexo::TComponent* owner) : QWidget(nullptr), TComponent(this, owner) {
    vexo::Screen().AddForm(this);
}

TTestForm::~TTestForm() {
    vexo::Screen().RemoveForm(this);
}

TTestEdit::TTestEdit(vexo::TComponent* owner)
    : QWidget(nullptr), TComponent(this, owner), font(new vexo::TFont(this)),
      lines(new vexo::TStringList(this)),
      columns(new vexo::TCollection(&TTestColumn::staticMetaObject,
                                    vexo::TCollection::FactoryOf<TTestColumn>(), this)) {}

TTestEdit::~TTestEdit() = default;

TTestEdit* AddEdit(TTestForm* form, const QString& name) {
    auto* edit = new TTestEdit(form);
    edit->setParent(form);
    edit->SetName(name);
    return edit;
}

} // namespace testforms
