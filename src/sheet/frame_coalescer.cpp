#include "sheet/frame_coalescer.h"

FrameCoalescer::FrameCoalescer(std::function<void()> run, int intervalMs)
    : run_(std::move(run)), interval_(intervalMs) {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, [this] { runNow(); });
}

void FrameCoalescer::request() {
  if (timer_.isActive()) return;
  const qint64 since = sinceRun_.isValid() ? sinceRun_.elapsed() : interval_;
  if (since >= interval_) {
    runNow();
  } else {
    timer_.start(static_cast<int>(interval_ - since));
  }
}

void FrameCoalescer::flush() {
  if (!timer_.isActive()) return;
  timer_.stop();
  runNow();
}

void FrameCoalescer::runNow() {
  sinceRun_.start();
  run_();
}
