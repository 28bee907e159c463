#pragma once
// The program's side of the symbolic engine: a request text in, the whole
// answer text out. Every computation on terms goes through one Engine.

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class Engine {
 public:
  // Answer room passed on a call; the Fourier command passes more.
  static constexpr int32_t kCapacity = 200;
  static constexpr int32_t kFourierCapacity = 500;

  Engine() = default;
  virtual ~Engine() = default;
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // Sends a request and returns the answer. An answer longer than `capacity`
  // is fetched again with room enough, so it is never cut short.
  virtual QString request(const QString& text, int32_t capacity = kCapacity);

  // Time limit of one request in milliseconds.
  static void setTimeLimit(int milliseconds);

  // The buffers of the last call: the request, the answer and its length.
  const std::string& eingabe() const { return Eingabe; }
  const std::vector<char>& ausgabe() const { return Ausgabe; }
  int32_t antwortLaenge() const { return AntwortLaenge; }

 private:
  std::string Eingabe;
  std::vector<char> Ausgabe;
  int32_t AntwortLaenge = 0;
};
