#pragma once
// Interrupts long computations: armed before a request, it calls its action
// once when the time limit passes before it is disarmed.

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

  std::function<void()> onTimeout_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::chrono::steady_clock::time_point deadline_;
  bool armed_ = false;
  bool fired_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace symbolic
