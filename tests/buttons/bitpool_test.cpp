#include <gtest/gtest.h>

#include "buttons/bitpool.h"

using namespace vexo;

TEST(BitPool, OpenBitFindsTheFirstClearBitAcrossWords) {
    TBitPool pool;
    EXPECT_EQ(pool.OpenBit(), -1);
    EXPECT_EQ(pool.BitWords(), nullptr);
    pool.SetSize(40);
    for (int i = 0; i < 33; ++i)
        pool.SetBit(i, true);
    EXPECT_EQ(pool.OpenBit(), 33);
    pool.SetBit(5, false);
    EXPECT_EQ(pool.OpenBit(), 5);
    EXPECT_FALSE(pool.GetBit(5));
    EXPECT_TRUE(pool.GetBit(32));
    EXPECT_EQ(pool.BitWords()[1], 1u);
}

TEST(BitPool, FullPoolAndBitsPastTheSizeHaveNoOpenBit) {
    TBitPool pool;
    pool.SetSize(3);
    for (int i = 0; i < 3; ++i)
        pool.SetBit(i, true);
    // The word has clear bits 3..31, but they are past the size.
    EXPECT_EQ(pool.OpenBit(), -1);
    pool.SetBit(3, true); // outside: ignored
    EXPECT_FALSE(pool.GetBit(3));
    EXPECT_FALSE(pool.GetBit(-1));
    pool.SetSize(4);
    EXPECT_EQ(pool.OpenBit(), 3);
}

TEST(BitPool, ResizingKeepsBitsAndClearsTheDroppedOnes) {
    TBitPool pool;
    pool.SetSize(64);
    pool.SetBit(63, true);
    pool.SetBit(10, true);
    pool.SetSize(100);
    EXPECT_TRUE(pool.GetBit(63));
    EXPECT_TRUE(pool.GetBit(10));
    pool.SetSize(11);
    pool.SetSize(64);
    EXPECT_TRUE(pool.GetBit(10));
    EXPECT_FALSE(pool.GetBit(63));
    pool.SetSize(0);
    EXPECT_EQ(pool.BitWords(), nullptr);
}
