#include "app/orderedpipeline.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <numeric>
#include <set>

using namespace varnova;

namespace {

// A task that notes where it was worked on and where it ended.
struct Task {
    int Index = 0;
    int Worker = -1; // which step worked on it
    std::shared_ptr<std::atomic<int>> Ended;
    std::thread::id* EndedOn = nullptr;

    Task() = default;
    Task(int index, std::shared_ptr<std::atomic<int>> ended) : Index(index), Ended(ended) {}
    Task(Task&& o) noexcept { *this = std::move(o); }
    Task& operator=(Task&& o) noexcept {
        Index = o.Index;
        Worker = o.Worker;
        Ended = std::move(o.Ended);
        EndedOn = o.EndedOn;
        o.Ended.reset();
        return *this;
    }
    ~Task() {
        if (Ended) {
            ++*Ended;
            if (EndedOn != nullptr)
                *EndedOn = std::this_thread::get_id();
        }
    }
};

class Pipeline : public ::testing::TestWithParam<int> {};

TEST_P(Pipeline, HandsTasksBackInTheOrderPushedWhateverTheyCost) {
    std::atomic<int> steps{0};
    auto ended = std::make_shared<std::atomic<int>>(0);
    TOrderedPipeline<Task> pipeline(GetParam(), [&steps] {
        const int id = steps++;
        return [id](Task& t) {
            // Early tasks take longest, so later ones finish first on other workers.
            std::this_thread::sleep_for(std::chrono::microseconds(((t.Index * 7919) % 5) * 300));
            t.Worker = id;
        };
    });
    EXPECT_EQ(steps, std::max(1, GetParam()));
    std::vector<int> order;
    std::set<int> workers;
    int next = 0;
    for (int i = 0; i < 40; ++i) {
        while (next < 40 && pipeline.HasRoom())
            pipeline.Push(Task(next++, ended));
        Task t = pipeline.Pop();
        order.push_back(t.Index);
        workers.insert(t.Worker);
    }
    EXPECT_TRUE(pipeline.Empty());
    std::vector<int> expected(40);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(order, expected);
    EXPECT_EQ(*ended, 40);
    if (GetParam() > 1) {
        EXPECT_GT(workers.size(), 1u); // the work was shared
    }
}

TEST_P(Pipeline, CancelDropsWaitingTasksAndEndsEveryTaskOnTheCallersThread) {
    auto ended = std::make_shared<std::atomic<int>>(0);
    std::atomic<int> worked{0};
    std::thread::id endedOn[64];
    {
        TOrderedPipeline<Task> pipeline(GetParam(), [&worked] {
            return [&worked](Task&) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                ++worked;
            };
        });
        int pushed = 0;
        while (pipeline.HasRoom()) {
            Task t(pushed, ended);
            t.EndedOn = &endedOn[pushed];
            pipeline.Push(std::move(t));
            ++pushed;
        }
        pipeline.Cancel();
        EXPECT_TRUE(pipeline.Empty());
        // Every task has ended by now: none was left to a worker.
        EXPECT_EQ(*ended, pushed);
        EXPECT_LE(worked, pushed);
        for (int i = 0; i < pushed; ++i)
            EXPECT_EQ(endedOn[i], std::this_thread::get_id()) << i;
        const int workedAtCancel = worked;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(worked, workedAtCancel); // dropped tasks never start later
    }
}

INSTANTIATE_TEST_SUITE_P(Jobs, Pipeline, ::testing::Values(1, 2, 4));

TEST(Pipeline, OneJobWorksOnTheCallersThreadWhenPushed) {
    std::thread::id where;
    TOrderedPipeline<Task> pipeline(
        0, [&where] { return [&where](Task&) { where = std::this_thread::get_id(); }; });
    pipeline.Push(Task(0, nullptr));
    EXPECT_EQ(where, std::this_thread::get_id());
    EXPECT_FALSE(pipeline.HasRoom()); // one in flight at a time
}

} // namespace
