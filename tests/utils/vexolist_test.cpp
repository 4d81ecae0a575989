#include "utils/vexolist.h"

#include <gtest/gtest.h>

#include "utils/vexocontainer.h"

using namespace vexo;

namespace {

TEST(VexoListPack, DeletesNullItemsFromTheEndWithEvents) {
    int p = 0;
    std::vector<int> deleted;
    int changes = 0;
    TvexoList list;
    list.Add(nullptr);
    list.Add(&p);
    list.Add(nullptr);
    list.OnDeleteItem = [&](TvexoList* sender, void* item) {
        EXPECT_EQ(item, nullptr);
        deleted.push_back(sender->Count());
    };
    list.OnChange = [&](TvexoList*) { ++changes; };
    list.Pack();
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Get(0), &p);
    EXPECT_EQ(deleted, (std::vector<int>{2, 1})) << "last null first";
    EXPECT_EQ(changes, 2);
}

// Counts the blocks released, and releases them.
class CountingContainer : public TvexoContainer {
public:
    std::vector<void*> released;

protected:
    void ReleaseBlock(void* block) override {
        released.push_back(block);
        TvexoContainer::ReleaseBlock(block);
    }
};

TEST(VexoContainer, DeleteRemoveAndPackReleaseBlocks) {
    CountingContainer list;
    void* a = TvexoContainer::NewBlock(8);
    void* b = TvexoContainer::NewBlock(8);
    list.Add(a);
    list.Add(nullptr);
    list.Add(b);
    list.Delete(0);
    EXPECT_EQ(list.released, (std::vector<void*>{a}));
    EXPECT_EQ(list.Remove(b), 1);
    EXPECT_EQ(list.released, (std::vector<void*>{a, b}));
    list.Pack(); // the null item: nothing to release
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.released.size(), 2u);
}

TEST(VexoContainer, MovePutClearAndSetCountKeepBlocks) {
    CountingContainer list;
    void* a = TvexoContainer::NewBlock(4);
    void* b = TvexoContainer::NewBlock(4);
    list.Add(a);
    list.Add(b);
    list.Move(0, 1);
    EXPECT_EQ(list.Get(1), a);
    list.Put(0, nullptr);
    list.SetCount(1);
    list.Clear();
    EXPECT_TRUE(list.released.empty());
    std::free(a);
    std::free(b);
}

TEST(VexoContainer, BlockIsReleasedEvenWhenADeleteHandlerFails) {
    CountingContainer list;
    void* a = TvexoContainer::NewBlock(4);
    list.Add(a);
    list.OnDeleteItem = [](TvexoList*, void*) { throw std::runtime_error("handler"); };
    EXPECT_THROW(list.Delete(0), std::runtime_error);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.released, (std::vector<void*>{a}));
    list.OnDeleteItem = nullptr;
}

TEST(VexoContainer, OutOfRangeDeleteReleasesNothing) {
    CountingContainer list;
    void* a = TvexoContainer::NewBlock(4);
    list.Add(a);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_TRUE(list.released.empty());
    list.Delete(0);
}

} // namespace
