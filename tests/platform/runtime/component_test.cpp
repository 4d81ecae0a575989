#include "platform/runtime/component.h"

#include <QPointer>
#include <gtest/gtest.h>

#include "platform/runtime/classregistry.h"
#include "platform/runtime/datamodule.h"
#include "platform/runtime/screen.h"

using namespace vexo;

namespace {

// Records what it hears and clears its reference when the referenced component goes.
class Watcher : public TComponentObject {
    Q_OBJECT
public:
    Q_INVOKABLE explicit Watcher(vexo::TComponent* owner = nullptr) : TComponentObject(owner) {}
    void SetLink(TComponent* link) {
        link_ = link;
        if (link != nullptr)
            link->FreeNotification(this);
    }
    TComponent* Link() const { return link_; }
    QStringList heard;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponentObject::Notification(component, operation);
        heard.append(QString(operation == opInsert ? "+" : "-") + component->Name());
        if (operation == opRemove && component == link_)
            link_ = nullptr;
    }
    void Loaded() override {
        TComponentObject::Loaded();
        loadedCalls++;
    }

public:
    int loadedCalls = 0;

private:
    TComponent* link_ = nullptr;
};

TComponentObject* Named(TComponent* owner, const QString& name) {
    auto* c = new TComponentObject(owner);
    c->SetName(name);
    return c;
}

} // namespace

TEST(ComponentOwnership, OwnedComponentsKeepInsertionOrder) {
    TComponentObject owner;
    TComponent* a = Named(&owner, "A");
    TComponent* b = Named(&owner, "B");
    TComponent* c = Named(&owner, "C");
    ASSERT_EQ(owner.ComponentCount(), 3);
    EXPECT_EQ(owner.Components(0), a);
    EXPECT_EQ(owner.Components(1), b);
    EXPECT_EQ(owner.Components(2), c);
    EXPECT_EQ(owner.Components(3), nullptr);
    EXPECT_EQ(owner.Components(-1), nullptr);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(b->Owner(), &owner);
    EXPECT_EQ(owner.ComponentIndex(), -1);
}

TEST(ComponentOwnership, OwnerFreesWhatItOwns) {
    QPointer<TComponentObject> child;
    QPointer<TComponentObject> grandChild;
    {
        TComponentObject owner;
        child = Named(&owner, "Child");
        grandChild = Named(child, "Grand");
    }
    EXPECT_TRUE(child.isNull());
    EXPECT_TRUE(grandChild.isNull());
}

TEST(ComponentOwnership, OwnerIsSeparateFromTheQtParent) {
    TComponentObject owner;
    QObject visualParent;
    auto* child = Named(&owner, "Child");
    child->setParent(&visualParent);
    EXPECT_EQ(child->Owner(), &owner);
    EXPECT_EQ(child->parent(), &visualParent);
    // Freed through its Qt parent, it leaves its owner's list.
    delete child;
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(ComponentOwnership, InsertComponentMovesFromThePreviousOwner) {
    TComponentObject first;
    TComponentObject second;
    TComponent* c = Named(&first, "C");
    second.InsertComponent(c);
    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_EQ(second.ComponentCount(), 1);
    EXPECT_EQ(c->Owner(), &second);
    second.RemoveComponent(c);
    EXPECT_EQ(c->Owner(), nullptr);
    delete c;
}

TEST(ComponentNames, NameIsTheObjectNameAndFoundInAnyCase) {
    TComponentObject owner;
    TComponent* c = Named(&owner, "Edit1");
    EXPECT_EQ(c->Object()->objectName(), "Edit1");
    EXPECT_EQ(owner.FindComponent("EDIT1"), c);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    EXPECT_EQ(owner.FindComponent("Edit2"), nullptr);
}

TEST(ComponentNames, InvalidAndDuplicateNamesAreRefused) {
    TComponentObject owner;
    Named(&owner, "Edit1");
    TComponent* other = Named(&owner, "Edit2");
    try {
        other->SetName("edit1");
        FAIL() << "duplicate accepted";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "A component named edit1 already exists");
    }
    try {
        other->SetName("1abc");
        FAIL() << "invalid name accepted";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "'1abc' is not a valid component name");
    }
    EXPECT_EQ(other->Name(), "Edit2");
    other->SetName("EDIT2"); // a change of case only is no clash with itself
    EXPECT_EQ(other->Name(), "EDIT2");
    other->SetName("");
    EXPECT_EQ(other->Name(), "");
}

TEST(ComponentNames, ValidIdentifiers) {
    EXPECT_TRUE(IsValidIdent("_a1"));
    EXPECT_TRUE(IsValidIdent("Form2"));
    EXPECT_FALSE(IsValidIdent(""));
    EXPECT_FALSE(IsValidIdent("a b"));
    EXPECT_FALSE(IsValidIdent("a.b"));
    EXPECT_FALSE(IsValidIdent("9"));
}

TEST(ComponentNames, ClassNameHasNoNamespace) {
    TComponentObject c;
    EXPECT_EQ(c.ClassName(), "TComponentObject");
    EXPECT_EQ(TComponent::FromObject(&c), &c);
    QObject plain;
    EXPECT_EQ(TComponent::FromObject(&plain), nullptr);
}

TEST(ComponentNotification, OwnerAndOwnedHearOfInsertAndRemove) {
    Watcher owner;
    owner.SetName("Owner");
    auto* sibling = new Watcher(&owner);
    sibling->SetName("Sibling");
    owner.heard.clear();
    sibling->heard.clear();
    TComponent* c = new TComponentObject(nullptr);
    c->SetName("C");
    owner.InsertComponent(c);
    EXPECT_EQ(owner.heard, QStringList{"+C"});
    EXPECT_EQ(sibling->heard, QStringList{"+C"});
    delete c;
    EXPECT_EQ(owner.heard, (QStringList{"+C", "-C"}));
    EXPECT_EQ(sibling->heard, (QStringList{"+C", "-C"}));
}

TEST(ComponentNotification, FreeNotificationClearsReferencesAcrossOwners) {
    TComponentObject formA;
    TComponentObject formB;
    auto* watcher = new Watcher(&formA);
    TComponent* target = Named(&formB, "Target");
    watcher->SetLink(target);
    EXPECT_TRUE(target->ComponentState() & csFreeNotification);
    delete target;
    EXPECT_EQ(watcher->Link(), nullptr);
    EXPECT_TRUE(watcher->heard.contains("-Target"));
}

TEST(ComponentNotification, RemovedFreeNotificationIsSilent) {
    TComponentObject formB;
    Watcher watcher;
    TComponent* target = Named(&formB, "Target");
    watcher.SetLink(target);
    watcher.RemoveFreeNotification(target);
    watcher.heard.clear();
    delete target;
    EXPECT_TRUE(watcher.heard.isEmpty());
    EXPECT_EQ(watcher.Link(), target); // nobody told it, as asked
}

TEST(ComponentNotification, WatcherGoingFirstLeavesNoDanglingLink) {
    TComponentObject formB;
    TComponent* target = Named(&formB, "Target");
    {
        Watcher watcher;
        watcher.SetLink(target);
    }
    delete target; // must not reach the freed watcher (sanitizer run)
    SUCCEED();
}

TEST(ComponentState, FlagsAreData) {
    TComponentObject owner;
    TComponent* child = Named(&owner, "Child");
    EXPECT_EQ(owner.ComponentState(), TComponentState());
    owner.SetDesigning(true);
    EXPECT_TRUE(child->ComponentState() & csDesigning);
    owner.SetDesigning(false);
    EXPECT_FALSE(child->ComponentState() & csDesigning);
    child->SetComponentState(csLoading | csFixups);
    EXPECT_EQ(child->ComponentState(), csLoading | csFixups);
}

TEST(ComponentState, LoadingEndsWithLoadedInOwnedComponents) {
    TComponentObject owner;
    auto* child = new Watcher(&owner);
    owner.BeginLoading();
    child->BeginLoading();
    EXPECT_TRUE(child->ComponentState() & csLoading);
    EXPECT_TRUE(child->ComponentState() & csReading);
    owner.EndLoading();
    EXPECT_EQ(child->loadedCalls, 1);
    EXPECT_FALSE(child->ComponentState() & csLoading);
    EXPECT_FALSE(owner.ComponentState() & csLoading);
}

TEST(ComponentState, DestroyingMarksOwnedComponents) {
    struct Probe : TComponentObject {
        using TComponentObject::TComponentObject;
        bool* sawDestroying = nullptr;
        void Destroying() override {
            TComponentObject::Destroying();
            *sawDestroying = true;
        }
    };
    bool saw = false;
    {
        TComponentObject owner;
        auto* probe = new Probe(&owner);
        probe->sawDestroying = &saw;
    }
    EXPECT_TRUE(saw);
}

TEST(ClassRegistry, CreatesRegisteredClassesByName) {
    RegisterClass<Watcher>();
    TComponentObject owner;
    TComponent* created = CreateComponent("watcher", &owner);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->ClassName(), "Watcher");
    EXPECT_EQ(created->Owner(), &owner);
    EXPECT_NE(dynamic_cast<Watcher*>(created), nullptr);
    EXPECT_EQ(GetClass("Watcher"), &Watcher::staticMetaObject);
    UnRegisterClass(&Watcher::staticMetaObject);
    EXPECT_EQ(GetClass("Watcher"), nullptr);
}

TEST(ClassRegistry, UnknownNameRaisesTheRegistryError) {
    try {
        CreateComponent("TNoSuchThing", nullptr);
        FAIL() << "no error";
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Class TNoSuchThing not found");
    }
}

TEST(ClassRegistry, ClassWithoutOwnerConstructorIsRefused) {
    EXPECT_THROW(RegisterClass(&QObject::staticMetaObject), EComponentError);
}

TEST(Screen, DataModulesJoinAndLeaveTheScreen) {
    const int before = Screen().DataModuleCount();
    {
        TDataModule module;
        EXPECT_EQ(Screen().DataModuleCount(), before + 1);
        EXPECT_EQ(Screen().DataModules(before), &module);
    }
    EXPECT_EQ(Screen().DataModuleCount(), before);
}

TEST(Screen, FormsRegistry) {
    TComponentObject form;
    Screen().AddForm(&form);
    Screen().AddForm(&form);
    EXPECT_TRUE(Screen().HasForm(&form));
    EXPECT_EQ(Screen().Forms(Screen().FormCount() - 1), &form);
    Screen().RemoveForm(&form);
    EXPECT_FALSE(Screen().HasForm(&form));
    EXPECT_FALSE(Screen().HasForm(nullptr));
}

#include "component_test.moc"
