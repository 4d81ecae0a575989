#include "platform/runtime/collection.h"

#include <QPointer>
#include <gtest/gtest.h>

#include "platform/runtime/exception.h"

using namespace vexo;

namespace {

class Column : public TCollectionItem {
    Q_OBJECT
    Q_PROPERTY(QString Title MEMBER title)
    Q_PROPERTY(int Width MEMBER width)
public:
    explicit Column(TCollection* collection = nullptr) : TCollectionItem(collection) {}
    QString title;
    int width = 64;
};

} // namespace

TEST(Collection, AddDeleteAndIndexes) {
    TCollection columns(&Column::staticMetaObject, TCollection::FactoryOf<Column>());
    auto* a = static_cast<Column*>(columns.Add());
    auto* b = static_cast<Column*>(columns.Add());
    EXPECT_EQ(columns.Count(), 2);
    EXPECT_EQ(b->Index(), 1);
    EXPECT_EQ(a->Collection(), &columns);
    b->SetIndex(0);
    EXPECT_EQ(columns.Items(0), b);
    columns.Delete(0);
    EXPECT_EQ(columns.Count(), 1);
    EXPECT_EQ(columns.Items(0), a);
    EXPECT_THROW(columns.Items(1), EListError);
    EXPECT_EQ(a->DisplayName(), "Column");
}

TEST(Collection, ItemLeavesWhenFreedAndCollectionFreesItems) {
    QPointer<TCollectionItem> kept;
    {
        TCollection columns(&Column::staticMetaObject, TCollection::FactoryOf<Column>());
        delete columns.Add();
        EXPECT_EQ(columns.Count(), 0);
        kept = columns.Add();
    }
    EXPECT_TRUE(kept.isNull());
}

TEST(Collection, UpdatesAreReportedOutsideBrackets) {
    TCollection columns(&Column::staticMetaObject, TCollection::FactoryOf<Column>());
    int updates = 0;
    columns.OnUpdate = [&](TCollection*, TCollectionItem*) { ++updates; };
    columns.Add();
    EXPECT_EQ(updates, 1);
    columns.BeginUpdate();
    columns.Add();
    columns.Clear();
    EXPECT_EQ(updates, 1);
    columns.EndUpdate();
    EXPECT_EQ(updates, 2);
}

TEST(Collection, AssignCopiesPublishedProperties) {
    TCollection source(&Column::staticMetaObject, TCollection::FactoryOf<Column>());
    auto* c = static_cast<Column*>(source.Add());
    c->title = "Name";
    c->width = 120;
    TCollection target(&Column::staticMetaObject, TCollection::FactoryOf<Column>());
    target.Add();
    target.Add();
    target.Assign(source);
    ASSERT_EQ(target.Count(), 1);
    EXPECT_EQ(static_cast<Column*>(target.Items(0))->title, "Name");
    EXPECT_EQ(static_cast<Column*>(target.Items(0))->width, 120);
}

#include "collection_test.moc"
