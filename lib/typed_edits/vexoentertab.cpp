#include "typed_edits/vexoentertab.h"

#include "gauge_dialogs/messageboxes.h"
#include "graphics/gui/componentutils.h"
#include "platform/runtime/filer.h"
#include "platform/runtime/reader.h"
#include "platform/runtime/writer.h"

namespace vexo {

TvexoEnterTab::TvexoEnterTab(TComponent* owner) : TComponentObject(owner) {
    if (TComponent* form = GetOwnerForm(this))
        form_ = qobject_cast<TForm*>(form->Object());
}

TvexoEnterTab::~TvexoEnterTab() {
    if (hooked_ && form_ != nullptr)
        form_->OnKeyPress = savedKeyPress_;
}

void TvexoEnterTab::AddControl(TWinControl* c) {
    if (c == nullptr || IndexOf(c) >= 0)
        return;
    controls_.append(c->Widget());
    if (TComponent* component = TComponent::FromObject(c->Widget()))
        component->FreeNotification(this);
}

void TvexoEnterTab::RemoveControl(TWinControl* c) {
    DeleteControl(IndexOf(c));
}

void TvexoEnterTab::DeleteControl(int index) {
    if (index < 0 || index >= controls_.size())
        return;
    const QPointer<QWidget> w = controls_.takeAt(index);
    if (TComponent* component = TComponent::FromObject(w))
        component->RemoveFreeNotification(this);
}

void TvexoEnterTab::Clear() {
    while (!controls_.isEmpty())
        DeleteControl(int(controls_.size()) - 1);
}

TWinControl* TvexoEnterTab::GetControl(int index) const {
    if (index < 0 || index >= controls_.size())
        return nullptr;
    return TWinControl::FromWidget(controls_.at(index));
}

int TvexoEnterTab::IndexOf(TWinControl* c) const {
    if (c == nullptr)
        return -1;
    return int(controls_.indexOf(c->Widget()));
}

void TvexoEnterTab::DoKeyPress(QObject* sender, QChar& key) {
    if (key == QChar(13) && form_ != nullptr &&
        IndexOf(TWinControl::FromWidget(form_->ActiveControl())) < 0) {
        form_->FocusNextControl(true);
        key = QChar();
    }
    if (savedKeyPress_)
        savedKeyPress_(sender, key);
}

void TvexoEnterTab::Loaded() {
    TComponentObject::Loaded();
    if (form_ == nullptr || hooked_)
        return;
    savedKeyPress_ = form_->OnKeyPress;
    form_->OnKeyPress = [this](QObject* sender, QChar& key) { DoKeyPress(sender, key); };
    form_->SetKeyPreview(true);
    hooked_ = true;
}

void TvexoEnterTab::Notification(TComponent* component, TOperation operation) {
    TComponentObject::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (auto* w = qobject_cast<QWidget*>(component->Object()))
        RemoveControl(TWinControl::FromWidget(w));
}

void TvexoEnterTab::DefineProperties(TFiler& filer) {
    TComponentObject::DefineProperties(filer);
    filer.DefineProperty(
        QStringLiteral("OutList"),
        [this](TReader& reader) {
            Clear();
            TComponent* root = form_ != nullptr ? static_cast<TComponent*>(form_) : reader.Root();
            reader.ReadListBegin();
            const qint64 count = reader.ReadInteger();
            for (qint64 i = 0; i < count; ++i) {
                const QString name = reader.ReadString();
                TComponent* found = root != nullptr ? root->FindComponent(name) : nullptr;
                auto* widget = found != nullptr ? qobject_cast<QWidget*>(found->Object()) : nullptr;
                if (TWinControl* control = TWinControl::FromWidget(widget))
                    AddControl(control);
                else
                    ErrorMsg(name + QStringLiteral(" is not found!"));
            }
            reader.ReadListEnd();
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            writer.WriteInteger(controls_.size());
            for (const QPointer<QWidget>& w : controls_)
                writer.WriteString(w->objectName());
            writer.WriteListEnd();
        },
        !controls_.isEmpty());
}

} // namespace vexo
