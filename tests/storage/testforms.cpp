#include "testforms.h"

namespace testforms {

TTestForm::TTestForm(vexo::TComponent* owner) : vexo::TForm(owner) {
    OnCloseQuery = [this](QObject*, bool& canClose) {
        ++closeQueries;
        canClose = !refuseClose;
    };
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
