#pragma once
// Tasks worked on by several threads and handed back strictly in the order they were
// pushed. With one job there is no thread: a task is worked on, on the calling thread, when
// it is pushed. With more, a few tasks per worker are kept in flight so that every core stays
// busy while the caller deals with the oldest one.
//
//     TOrderedPipeline<TTask> pipeline(jobs, [] { return TStep(...); });
//     while (more && pipeline.HasRoom()) pipeline.Push(NextTask());
//     TTask oldest = pipeline.Pop();   // waits until it is done
//
// Dropping the pipeline (or Cancel) drops the tasks not yet started and waits for the
// running ones; their results go with them.

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace varnova {

template <class Task> class TOrderedPipeline {
public:
    // The work done on one task. Every thread gets a step of its own from the factory, so a
    // step may keep state between tasks without locking.
    using TStep = std::function<void(Task&)>;

    // `jobs` below 1 means 1.
    TOrderedPipeline(int jobs, const std::function<TStep()>& makeStep)
        : capacity_(jobs > 1 ? 2 * jobs : 1) {
        if (jobs <= 1) {
            inline_ = makeStep();
            return;
        }
        for (int i = 0; i < jobs; ++i)
            threads_.emplace_back([this, step = makeStep()] { Work(step); });
    }

    ~TOrderedPipeline() {
        Cancel();
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        work_.notify_all();
        for (auto& t : threads_)
            t.join();
    }

    TOrderedPipeline(const TOrderedPipeline&) = delete;
    TOrderedPipeline& operator=(const TOrderedPipeline&) = delete;

    bool HasRoom() const { return int(inFlight_.size()) < capacity_; }
    bool Empty() const { return inFlight_.empty(); }

    void Push(Task task) {
        auto slot = std::make_shared<TSlot>(std::move(task));
        inFlight_.push_back(slot);
        if (inline_) {
            inline_(slot->Value);
            slot->Done = true;
            return;
        }
        {
            std::lock_guard lock(mutex_);
            queue_.push_back(slot);
        }
        work_.notify_one();
    }

    // The oldest task, once it is done. The pipeline must not be empty.
    Task Pop() {
        std::shared_ptr<TSlot> slot = inFlight_.front();
        inFlight_.pop_front();
        std::unique_lock lock(mutex_);
        done_.wait(lock, [&] { return slot->Done; });
        return std::move(slot->Value);
    }

    // Drops the tasks not yet started and waits for the running ones; nothing stays in flight.
    void Cancel() {
        {
            std::unique_lock lock(mutex_);
            queue_.clear();
            done_.wait(lock, [&] {
                for (const auto& s : inFlight_)
                    if (!s->Done && s->Started)
                        return false;
                return true;
            });
        }
        inFlight_.clear();
    }

private:
    struct TSlot {
        explicit TSlot(Task&& value) : Value(std::move(value)) {}
        Task Value;
        bool Started = false;
        bool Done = false;
    };

    void Work(const TStep& step) {
        std::unique_lock lock(mutex_);
        for (;;) {
            work_.wait(lock, [&] { return quit_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            std::shared_ptr<TSlot> slot = std::move(queue_.front());
            queue_.pop_front();
            slot->Started = true;
            lock.unlock();
            step(slot->Value);
            lock.lock();
            slot->Done = true;
            // The caller's reference is the last one, so the task always ends on its thread.
            slot.reset();
            done_.notify_all();
        }
    }

    const int capacity_;
    TStep inline_;
    // Touched by the caller's thread only.
    std::deque<std::shared_ptr<TSlot>> inFlight_;
    // Shared with the workers, under mutex_.
    std::mutex mutex_;
    std::condition_variable work_;
    std::condition_variable done_;
    std::deque<std::shared_ptr<TSlot>> queue_;
    bool quit_ = false;
    std::vector<std::thread> threads_;
};

} // namespace varnova
