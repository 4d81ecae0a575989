#pragma once
// The component model: a component has a Name, a Tag, an Owner that frees it and a list of the
// components it owns, in ownership order. Ownership is separate from Qt's parent/child tree,
// which stays the visual parent of widgets.
//
// TComponent is a mixin rather than a QObject subclass so that widgets can be components too:
// a class derives from its Qt base first and from TComponent second, passes `this` as the
// component's object and puts VEXO_COMPONENT after Q_OBJECT to publish Name and Tag:
//
//     class TMyForm : public QWidget, public vexo::TComponent {
//         Q_OBJECT
//         VEXO_COMPONENT
//     public:
//         explicit TMyForm(vexo::TComponent* owner = nullptr)
//             : QWidget(nullptr), TComponent(this, owner) {}
//     };
//
// The Qt base must come first: ~TComponent frees the owned components and sends the removal
// notifications while the Qt object is still whole. Non-visual components derive from
// TComponentObject. The Name is the Qt objectName.

#include <QFlags>
#include <QList>
#include <QObject>
#include <QString>

#include "platform/runtime/exception.h"
#include "vexo/platform_export.h"

namespace vexo {

class TFiler;

// "'%s' is not a valid component name", "A component named %s already exists".
VEXO_DECLARE_EXCEPTION(EComponentError, Exception)

enum TComponentStateFlag : quint32 {
    csLoading = 0x0001,
    csReading = 0x0002,
    csWriting = 0x0004,
    csDestroying = 0x0008,
    csDesigning = 0x0010,
    csAncestor = 0x0020,
    csUpdating = 0x0040,
    csFixups = 0x0080,
    csFreeNotification = 0x0100,
    csInline = 0x0200,
    csDesignInstance = 0x0400,
};
Q_DECLARE_FLAGS(TComponentState, TComponentStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TComponentState)

enum TOperation { opInsert, opRemove };

// Publishes the component's Name and Tag; put it right after Q_OBJECT.
#define VEXO_COMPONENT                                                                             \
    Q_CLASSINFO("Default.Tag", "0")                                                                \
    Q_PROPERTY(QString Name READ Name WRITE SetName)                                               \
    Q_PROPERTY(qint32 Tag READ Tag WRITE SetTag)

class VEXO_PLATFORM_EXPORT TComponent {
public:
    // `self` is the Qt object of this component; the component joins `owner` at once.
    TComponent(QObject* self, TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // The component of a Qt object, or none when the object is no component.
    static TComponent* FromObject(const QObject* object);

    QObject* Object() const { return self_; }
    // Class name without namespace, as the class registry knows it ("TvexoFormStorage").
    QString ClassName() const;

    QString Name() const;
    // Empty or an identifier (letter or "_" first, then letters, digits, "_"), unique among the
    // owner's components in any letter case; raises EComponentError otherwise.
    void SetName(const QString& name);
    qint32 Tag() const { return tag_; }
    void SetTag(qint32 tag) { tag_ = tag; }

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return int(components_.size()); }
    // Owned component at index (ownership order); none outside 0 .. ComponentCount() - 1.
    TComponent* Components(int index) const;
    // Index in the owner's list, -1 without owner.
    int ComponentIndex() const;
    // Owned component of that name in any letter case, or none; empty names find nothing.
    TComponent* FindComponent(const QString& name) const;
    // Takes component over from its previous owner; the owner's Notification sees opInsert.
    void InsertComponent(TComponent* component);
    // Releases component without freeing it; the owner's Notification sees opRemove first.
    void RemoveComponent(TComponent* component);
    // Frees every owned component, the last one first.
    void DestroyComponents();

    TComponentState ComponentState() const { return state_; }
    // Overwrites the whole state set.
    void SetComponentState(TComponentState state) { state_ = state; }
    // Sets or clears csDesigning here and in every owned component.
    void SetDesigning(bool designing);
    // Streaming brackets: BeginLoading sets csLoading and csReading; EndLoading clears
    // csReading, ends the loading of owned components still loading and then calls Loaded.
    void BeginLoading();
    void EndLoading();

    // Asks for Notification(component, opRemove) when component goes, and the reverse.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Marks this component and everything it owns as being destroyed (csDestroying). The
    // destructor calls it before anything is freed; overrides must call the inherited one.
    virtual void Destroying();

protected:
    // Called on insertion into and removal from this component's list and for free
    // notifications; the default forgets a removed component's free notification and passes
    // the call on to every owned component.
    virtual void Notification(TComponent* component, TOperation operation);
    // Work after streaming; the default clears csLoading.
    virtual void Loaded();
    // Hands the filer the properties the class streams beyond its published ones
    // (TFiler::DefineProperty); the default has none. Overrides call the inherited one.
    virtual void DefineProperties(TFiler& filer);

private:
    friend class TReader;
    friend class TWriter;

    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void ValidateRename(TComponent* component, const QString& oldName,
                        const QString& newName) const;

    QObject* self_;
    TComponent* owner_ = nullptr;
    QList<TComponent*> components_;
    QList<TComponent*> freeNotifies_;
    TComponentState state_;
    qint32 tag_ = 0;
};

// A non-visual component: a QObject that is a component.
class VEXO_PLATFORM_EXPORT TComponentObject : public QObject, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
public:
    Q_INVOKABLE explicit TComponentObject(vexo::TComponent* owner = nullptr);
    ~TComponentObject() override;
};

// True for an identifier: a letter or "_" first, then letters, digits and "_" (ASCII).
VEXO_PLATFORM_EXPORT bool IsValidIdent(const QString& ident);

} // namespace vexo

Q_DECLARE_METATYPE(vexo::TComponent*)
