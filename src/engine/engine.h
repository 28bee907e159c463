#pragma once
// The program's side of the symbolic engine: a request text in, the whole
// answer text out. Every computation on terms goes through one Engine.

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
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
  QString request(const QString& text, int32_t capacity = kCapacity);

  // The same request and answer as bytes (UTF-8), for callers that build
  // many requests, such as graph samples; the answer stays valid until the
  // next request. Every request, in either form, passes through here.
  virtual std::string_view requestBytes(std::string_view text, int32_t capacity = kCapacity);

  // Time limit of one request in milliseconds.
  static void setTimeLimit(int milliseconds);

 private:
  // The buffers of a call: the request, the answer room and the answer's length.
  std::string Eingabe;
  std::vector<char> Ausgabe;
  int32_t AntwortLaenge = 0;
  std::string text_;  // a QString request turned into bytes
};
