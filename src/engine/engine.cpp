#include "engine/engine.h"

#include "symbolic/symbolic.h"

QString Engine::request(const QString& text, int32_t capacity) {
  // Requests are ASCII almost always; copy those without a detour through a
  // temporary, so the buffer is reused from call to call.
  text_.resize(static_cast<size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    char16_t c = text[i].unicode();
    if (c >= 0x80) {
      text_ = text.toStdString();
      break;
    }
    text_[static_cast<size_t>(i)] = static_cast<char>(c);
  }
  const std::string_view answer = requestBytes(text_, capacity);
  return QString::fromUtf8(answer.data(), static_cast<qsizetype>(answer.size()));
}

std::string_view Engine::requestBytes(std::string_view text, int32_t capacity) {
  Eingabe.assign(text);
  Ausgabe.resize(static_cast<size_t>(std::max<int32_t>(capacity, 1)));
  AntwortLaenge = symbolic_calculate(Eingabe.data(), Ausgabe.data(), capacity);
  if (AntwortLaenge < 0) {
    // Too long for the room given: the engine keeps the answer, ask again.
    Ausgabe.resize(static_cast<size_t>(-AntwortLaenge) + 1);
    AntwortLaenge =
        symbolic_calculate(Eingabe.data(), Ausgabe.data(), static_cast<int32_t>(Ausgabe.size()));
  }
  return {Ausgabe.data(), static_cast<size_t>(std::max<int32_t>(AntwortLaenge, 0))};
}

void Engine::setTimeLimit(int milliseconds) {
  symbolic_set_time_limit(milliseconds);
}
