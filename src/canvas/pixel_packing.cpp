#include "canvas/pixel_packing.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr char kRuns = 'R';
constexpr char kDeflated = 'Z';

}  // namespace

QByteArray packPixels(const QImage& image) {
  const auto* const begin = reinterpret_cast<const quint32*>(image.constBits());
  const quint32* const end = begin + image.sizeInBytes() / 4;
  // Runs pay off while their pairs take at most a quarter of the raw bits.
  // The runs are counted first, so the packed bits are written once into
  // their final place.
  const qsizetype limit = (end - begin) / 8;
  qsizetype runs = 0;
  for (const quint32* pixel = begin; pixel < end && runs <= limit; ++runs) {
    const quint32 colour = *pixel;
    while (++pixel < end && *pixel == colour) {
    }
  }
  if (runs > limit) {
    QByteArray deflated = qCompress(image.constBits(), static_cast<int>(image.sizeInBytes()), 1);
    deflated.prepend(kDeflated);
    return deflated;
  }
  QByteArray packed(1 + runs * 8, Qt::Uninitialized);
  packed[0] = kRuns;
  char* out = packed.data() + 1;
  for (const quint32* pixel = begin; pixel < end;) {
    const quint32 colour = *pixel;
    const quint32* next = pixel + 1;
    while (next < end && *next == colour) ++next;
    const quint32 pair[2] = {static_cast<quint32>(next - pixel), colour};
    std::memcpy(out, pair, sizeof pair);
    out += sizeof pair;
    pixel = next;
  }
  return packed;
}

bool unpackPixels(const QByteArray& packed, QImage& image) {
  if (packed.isEmpty()) return false;
  const qsizetype count = image.sizeInBytes() / 4;
  if (packed[0] == kDeflated) {
    const QByteArray bits = qUncompress(packed.mid(1));
    if (bits.size() != image.sizeInBytes()) return false;
    std::memcpy(image.bits(), bits.constData(), static_cast<size_t>(bits.size()));
    return true;
  }
  if (packed[0] != kRuns || (packed.size() - 1) % 8 != 0) return false;
  // The pairs sit one byte in, so each is copied out rather than cast.
  const char* const first = packed.constData() + 1;
  const char* const last = packed.constData() + packed.size();
  auto pairAt = [](const char* at) {
    quint32 pair[2];
    std::memcpy(pair, at, sizeof pair);
    return std::pair<quint32, quint32>(pair[0], pair[1]);
  };
  qsizetype total = 0;
  for (const char* at = first; at < last; at += 8) total += pairAt(at).first;
  if (total != count) return false;
  auto* pixel = reinterpret_cast<quint32*>(image.bits());
  for (const char* at = first; at < last; at += 8) {
    const auto [length, colour] = pairAt(at);
    pixel = std::fill_n(pixel, length, colour);
  }
  return true;
}
