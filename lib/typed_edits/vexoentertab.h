#pragma once
// Enter as Tab: dropped on a form, it makes Enter move the focus to the next control in tab
// order, except on the listed controls (the form's OK and Cancel buttons, typically), where
// Enter keeps its ordinary meaning. It takes over the form's OnKeyPress when the form has
// finished loading (the form's own handler still runs after it, seeing the null character
// instead of Enter) and gives it back when it goes.

#include <QList>
#include <QPointer>

#include "platform/gui/form.h"
#include "platform/runtime/component.h"
#include "vexo/typed_edits_export.h"

namespace vexo {

class VEXO_TYPED_EDITS_EXPORT TvexoEnterTab : public TComponentObject {
    Q_OBJECT

public:
    // The form is the nearest form up the owner chain.
    Q_INVOKABLE explicit TvexoEnterTab(vexo::TComponent* owner = nullptr);
    // Gives the form back its own OnKeyPress (also when it had none).
    ~TvexoEnterTab() override;

    TForm* Form() const { return form_; }
    // Appends c unless it is listed already.
    void AddControl(TWinControl* c);
    void RemoveControl(TWinControl* c);
    // Indexes outside the list change nothing / give none.
    void DeleteControl(int index);
    void Clear();
    TWinControl* GetControl(int index) const;
    int ControlCount() const { return int(controls_.size()); }
    int IndexOf(TWinControl* c) const;

    // The form's key-press handler while the component holds it.
    virtual void DoKeyPress(QObject* sender, QChar& key);

protected:
    // The list is streamed as "OutList": the count, then each control's name. A name that no
    // component of the form bears is reported (name + " is not found!") and skipped.
    void DefineProperties(TFiler& filer) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    QPointer<TForm> form_;
    TKeyPressEvent savedKeyPress_;
    bool hooked_ = false;
    QList<QPointer<QWidget>> controls_;
};

} // namespace vexo
