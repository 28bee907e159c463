#include "symbolic/watchdog.h"

namespace symbolic {

namespace {

constexpr std::chrono::milliseconds kLookEvery(5);

}  // namespace

Watchdog::Watchdog(std::function<void()> onTimeout)
    : onTimeout_(std::move(onTimeout)), thread_([this] { run(); }) {}

Watchdog::~Watchdog() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  stop_.notify_one();
  thread_.join();
}

std::int64_t Watchdog::now() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Watchdog::arm(std::chrono::milliseconds limit) {
  std::lock_guard lock(fireMutex_);
  fired_ = false;
  deadline_.store(now() + std::chrono::nanoseconds(limit).count(), std::memory_order_release);
}

bool Watchdog::disarm() {
  std::lock_guard lock(fireMutex_);
  deadline_.store(0, std::memory_order_release);
  return fired_;
}

void Watchdog::run() {
  std::unique_lock lock(mutex_);
  while (!stop_.wait_for(lock, kLookEvery, [this] { return stopping_; })) {
    std::int64_t deadline = deadline_.load(std::memory_order_acquire);
    if (deadline == 0 || now() < deadline) continue;
    std::lock_guard fire(fireMutex_);
    if (deadline_.load(std::memory_order_acquire) == deadline) {  // still the same request
      deadline_.store(0, std::memory_order_release);
      fired_ = true;
      onTimeout_();
    }
  }
}

}  // namespace symbolic
