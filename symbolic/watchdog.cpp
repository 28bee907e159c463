#include "symbolic/watchdog.h"

namespace symbolic {

Watchdog::Watchdog(std::function<void()> onTimeout)
    : onTimeout_(std::move(onTimeout)), thread_([this] { run(); }) {}

Watchdog::~Watchdog() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void Watchdog::arm(std::chrono::milliseconds limit) {
  {
    std::lock_guard lock(mutex_);
    deadline_ = std::chrono::steady_clock::now() + limit;
    armed_ = true;
    fired_ = false;
  }
  wake_.notify_one();
}

bool Watchdog::disarm() {
  std::lock_guard lock(mutex_);
  armed_ = false;
  return fired_;
}

void Watchdog::run() {
  std::unique_lock lock(mutex_);
  while (!stopping_) {
    if (!armed_) {
      wake_.wait(lock);
      continue;
    }
    if (wake_.wait_until(lock, deadline_) == std::cv_status::timeout && armed_ &&
        std::chrono::steady_clock::now() >= deadline_) {
      fired_ = true;
      armed_ = false;
      onTimeout_();
    }
  }
}

}  // namespace symbolic
