#pragma once
// The real engine, remembering every request sent through it.

#include <QStringList>

#include "engine/engine.h"

class RecordingEngine : public Engine {
 public:
  QString request(const QString& text, int32_t capacity = kCapacity) override {
    requests << text;
    capacities << capacity;
    return Engine::request(text, capacity);
  }

  QStringList requests;
  QList<int32_t> capacities;
};
