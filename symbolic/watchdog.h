#pragma once
// Interrupts long computations: armed before a request, it calls its action
// once when the time limit passes before it is disarmed.
//
// Arming and disarming take no system call (an uncontended lock at most): the
// engine arms it for every request to the algebra system, thousands of times
// a second.
// The watch thread looks every few milliseconds, which is precise enough for a
// limit of seconds.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace symbolic {

class Watchdog {
 public:
  explicit Watchdog(std::function<void()> onTimeout);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  void arm(std::chrono::milliseconds limit);
  // Returns true if the time limit passed while armed.
  bool disarm();

 private:
  void run();
  static std::int64_t now();

  std::function<void()> onTimeout_;
  // The deadline in steady-clock nanoseconds, 0 while disarmed. Changed and
  // fired under fireMutex_ so that no action runs after disarm() returns;
  // the lock is never contended but in that instant.
  std::atomic<std::int64_t> deadline_{0};
  bool fired_ = false;
  std::mutex fireMutex_;
  std::mutex mutex_;  // for stopping the thread
  std::condition_variable stop_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace symbolic
