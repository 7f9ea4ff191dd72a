#pragma once
// A bounded hand-over of blocks from one producing thread to one consuming
// thread; either side can stop the other, so neither is left waiting.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>

template <typename Block>
class BlockQueue {
 public:
  explicit BlockQueue(size_t capacity) : capacity_(capacity) {}

  // False once the consumer has stopped: the producer should give up.
  bool Push(Block block) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return stopped_ || blocks_.size() < capacity_; });
    if (stopped_) return false;
    blocks_.push_back(std::move(block));
    changed_.notify_all();
    return true;
  }

  // False when the producer has finished (or stopped) and nothing is left.
  bool Pop(Block& block) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return stopped_ || finished_ || !blocks_.empty(); });
    if (stopped_ || blocks_.empty()) return false;
    block = std::move(blocks_.front());
    blocks_.pop_front();
    changed_.notify_all();
    return true;
  }

  void Finish() {
    std::lock_guard<std::mutex> lock(mutex_);
    finished_ = true;
    changed_.notify_all();
  }

  void Stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    stopped_ = true;
    changed_.notify_all();
  }

 private:
  const size_t capacity_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Block> blocks_;
  bool finished_ = false, stopped_ = false;
};
