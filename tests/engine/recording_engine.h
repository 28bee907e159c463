#pragma once
// The real engine, remembering every request sent through it.

#include <QStringList>

#include "engine/engine.h"

class RecordingEngine : public Engine {
 public:
  std::string_view requestBytes(std::string_view text, int32_t capacity = kCapacity) override {
    requests << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return Engine::requestBytes(text, capacity);
  }

  QStringList requests;
};
