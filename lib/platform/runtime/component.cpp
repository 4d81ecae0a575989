#include "platform/runtime/component.h"

#include "platform/runtime/classregistry.h"

namespace vexo {

bool IsValidIdent(const QString& ident) {
    if (ident.isEmpty())
        return false;
    for (qsizetype i = 0; i < ident.size(); ++i) {
        const char16_t c = ident.at(i).unicode();
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
        const bool digit = c >= u'0' && c <= u'9';
        if (!(letter || (digit && i > 0)))
            return false;
    }
    return true;
}

TComponent::TComponent(QObject* self, TComponent* owner) : self_(self) {
    if (owner != nullptr)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    // Tell everyone who asked; their Notification removes the link on both sides.
    while (!freeNotifies_.isEmpty()) {
        TComponent* other = freeNotifies_.takeLast();
        other->freeNotifies_.removeAll(this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_ != nullptr)
        owner_->RemoveComponent(this);
}

TComponent* TComponent::FromObject(const QObject* object) {
    return dynamic_cast<TComponent*>(const_cast<QObject*>(object));
}

QString TComponent::ClassName() const {
    return ClassNameOf(self_->metaObject());
}

QString TComponent::Name() const {
    return self_->objectName();
}

void TComponent::SetName(const QString& name) {
    const QString old = Name();
    if (old == name)
        return;
    if (!name.isEmpty() && !IsValidIdent(name))
        throw EComponentError(QStringLiteral("'%1' is not a valid component name").arg(name));
    if (owner_ != nullptr)
        owner_->ValidateRename(this, old, name);
    self_->setObjectName(name);
}

void TComponent::ValidateRename(TComponent* component, const QString& oldName,
                                const QString& newName) const {
    if (newName.isEmpty() || oldName.compare(newName, Qt::CaseInsensitive) == 0)
        return;
    TComponent* existing = FindComponent(newName);
    if (existing != nullptr && existing != component)
        throw EComponentError(QStringLiteral("A component named %1 already exists").arg(newName));
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= components_.size())
        return nullptr;
    return components_.at(index);
}

int TComponent::ComponentIndex() const {
    return owner_ == nullptr ? -1 : int(owner_->components_.indexOf(this));
}

TComponent* TComponent::FindComponent(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    for (TComponent* component : components_)
        if (component->Name().compare(name, Qt::CaseInsensitive) == 0)
            return component;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (component == nullptr || component->owner_ == this)
        return;
    ValidateRename(component, QString(), component->Name());
    if (component->owner_ != nullptr)
        component->owner_->RemoveComponent(component);
    Insert(component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (component == nullptr || component->owner_ != this)
        return;
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component) {
    components_.append(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
    components_.removeAll(component);
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.isEmpty()) {
        TComponent* component = components_.last();
        Remove(component);
        delete component;
    }
}

void TComponent::SetDesigning(bool designing) {
    state_.setFlag(csDesigning, designing);
    for (TComponent* component : components_)
        component->SetDesigning(designing);
}

void TComponent::BeginLoading() {
    state_ |= csLoading | csReading;
}

void TComponent::EndLoading() {
    state_ &= ~TComponentState(csReading);
    const QList<TComponent*> owned = components_;
    for (TComponent* component : owned)
        if (components_.contains(component) && (component->state_ & csLoading))
            component->EndLoading();
    Loaded();
}

void TComponent::Loaded() {
    state_ &= ~TComponentState(csLoading);
}

void TComponent::DefineProperties(TFiler&) {}

void TComponent::FreeNotification(TComponent* component) {
    if (component == nullptr || component == this)
        return;
    // Components of one owner hear of each other through the owner already.
    if (owner_ == nullptr || component->owner_ != owner_) {
        if (!freeNotifies_.contains(component))
            freeNotifies_.append(component);
        if (!component->freeNotifies_.contains(this))
            component->freeNotifies_.append(this);
        component->state_ |= csFreeNotification;
    }
    state_ |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (component == nullptr)
        return;
    freeNotifies_.removeAll(component);
    component->freeNotifies_.removeAll(this);
}

void TComponent::Destroying() {
    if (state_ & csDestroying)
        return;
    state_ |= csDestroying;
    for (TComponent* component : components_)
        component->Destroying();
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component != nullptr)
        RemoveFreeNotification(component);
    // A copy: a component may leave the list while it is told.
    const QList<TComponent*> owned = components_;
    for (TComponent* other : owned)
        if (components_.contains(other))
            other->Notification(component, operation);
}

TComponentObject::TComponentObject(TComponent* owner) : QObject(nullptr), TComponent(this, owner) {}

TComponentObject::~TComponentObject() = default;

} // namespace vexo
