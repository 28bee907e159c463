#pragma once
// Drawing that follows the mouse: requests that come faster than the screen
// shows frames are run at most once per frame. The first request after a
// quiet frame runs at once; the ones after it are one run at the next frame.

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

class FrameCoalescer {
 public:
  static constexpr int kFrameMs = 16;  // a frame at 60 Hz

  explicit FrameCoalescer(std::function<void()> run, int intervalMs = kFrameMs);

  void request();
  // Runs a request still waiting now (the gesture ended).
  void flush();
  bool waiting() const { return timer_.isActive(); }

 private:
  void runNow();

  std::function<void()> run_;
  int interval_;
  QTimer timer_;
  QElapsedTimer sinceRun_;
};
