// Writes the characters' files (pages, JSON documents) on a thread of its
// own, so the next character is made while the disk takes the last one's.
// A few characters wait at most: a batch runs in the same memory whatever
// its count.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "batch/Batch.h"
#include "batch/InOrder.h"
#include "text/Files.h"

namespace orrimar {

class PageWriter {
  public:
    struct Job {
        int N = 0;
        BatchCharacter Result;
        InOrder::Said Said;
        std::vector<FileText> Files;
    };
    // Called on the writer's thread for each job once its files are written,
    // with "" or what failed.
    using Done = std::function<void(Job&, const std::string& failed)>;

    explicit PageWriter(Done done) : done_(std::move(done)), thread_([this] { Run(); }) {}
    ~PageWriter() { Close(); }
    PageWriter(const PageWriter&) = delete;
    PageWriter& operator=(const PageWriter&) = delete;

    void Push(Job job) {
        std::unique_lock<std::mutex> lock(mutex_);
        room_.wait(lock, [&] { return queue_.size() < Capacity; });
        queue_.push_back(std::move(job));
        ready_.notify_one();
    }

    // Writes what is waiting and ends the thread.
    void Close() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            closed_ = true;
        }
        ready_.notify_one();
        if (thread_.joinable()) thread_.join();
    }

  private:
    static constexpr size_t Capacity = 8;

    void Run() {
        for (;;) {
            Job job;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                ready_.wait(lock, [&] { return closed_ || !queue_.empty(); });
                if (queue_.empty()) return;
                job = std::move(queue_.front());
                queue_.pop_front();
            }
            room_.notify_one();
            // Pages go in by WriteNewFile: a batch writes thousands into one folder.
            done_(job, WriteFiles(job.Files, WriteNewFile));
        }
    }

    Done done_;
    std::mutex mutex_;
    std::condition_variable ready_, room_;
    std::deque<Job> queue_;
    bool closed_ = false;
    std::thread thread_;  // last: it starts once the rest is ready
};

}  // namespace orrimar
