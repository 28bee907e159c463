#include "documents/graph_file.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "engine/number_text.h"

namespace {

constexpr int kViewNumbers = 6;

// Text files never hold these; line ends are dealt with by the line split.
bool isControl(char16_t c) {
  return (c < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') || (c >= 0x7F && c <= 0x9F);
}

QString quoted(const QString& text) {
  return u'"' + text + u'"';
}

// Shown inside a message box, so a long line of rubbish is cut short.
QString shown(const QString& field) {
  constexpr int kMaxShown = 30;
  if (field.size() <= kMaxShown) return quoted(field);
  return quoted(field.left(kMaxShown) + u'…');
}

QString atLine(std::size_t index, const QString& message) {
  return QStringLiteral("Zeile ") + QString::number(index + 1) + QStringLiteral(": ") + message;
}

// CR LF, LF and a lone CR all end a line, so files from any editor read the same.
std::vector<QString> splitLines(const QString& text) {
  std::vector<QString> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.push_back(text.mid(start, i - start));
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.mid(start));
  return lines;
}

// A field written like a number that parseSingle still refused lies beyond the float range.
bool looksLikeNumber(const QString& field) {
  static const QRegularExpression pattern(
      QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
  return pattern.match(field).hasMatch();
}

const QString kParameterHead = QStringLiteral("#Parameter ");
const QString kTaskHead = QStringLiteral("#Steckbrief Grad=");
const QString kConditionHead = QStringLiteral("#Bedingung ");

QString numberField(double v) {
  return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

QString parameterLine(const Parameter& p) {
  return kParameterHead + p.letter + u'=' + numberField(p.value) + QStringLiteral(" von=") +
         numberField(p.from) + QStringLiteral(" bis=") + numberField(p.to) +
         QStringLiteral(" Schrittweite=") + numberField(p.step);
}

std::optional<Parameter> readParameterLine(const QString& line) {
  static const QRegularExpression pattern(
      QStringLiteral("^#Parameter ([a-df-wzA-Z])=(\\S+) von=(\\S+) bis=(\\S+) Schrittweite=(\\S+)$"));
  const QRegularExpressionMatch match = pattern.match(line);
  if (!match.hasMatch()) return std::nullopt;
  Parameter p;
  p.letter = match.captured(1).front();
  double* fields[] = {&p.value, &p.from, &p.to, &p.step};
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    *fields[i] = match.captured(i + 2).toDouble(&ok);
    if (!ok || !std::isfinite(*fields[i])) return std::nullopt;
  }
  if (!(p.from < p.to) || !(p.step > 0)) return std::nullopt;
  return p;
}

std::variant<GraphFile, QString> readTerms(GraphFile file, const std::vector<QString>& lines,
                                           std::size_t first) {
  for (std::size_t i = first; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty()) continue;
    if (line.startsWith(kTaskHead)) {
      bool ok = false;
      const int degree = line.mid(kTaskHead.size()).toInt(&ok);
      if (!ok || degree < kMinDegree || degree > kMaxDegree) {
        return atLine(i, QStringLiteral("Der Grad der Steckbriefaufgabe ist fehlerhaft."));
      }
      file.steckbrief.degree = degree;
      continue;
    }
    if (line.startsWith(kConditionHead)) {
      const std::optional<QString> condition = unescapedCondition(line.mid(kConditionHead.size()));
      if (!condition) return atLine(i, QStringLiteral("Die Bedingung ist fehlerhaft geschrieben."));
      file.steckbrief.conditions << *condition;
      continue;
    }
    if (line.startsWith(kParameterHead)) {
      const std::optional<Parameter> parameter = readParameterLine(line);
      if (!parameter) return atLine(i, QStringLiteral("Die Angaben zum Parameter sind fehlerhaft."));
      storeParameter(file.parameters, *parameter);
      continue;
    }
    if (line.size() < 2 || !line.startsWith(u'"') || !line.endsWith(u'"')) {
      return atLine(i, QStringLiteral("Der Term steht nicht in Anführungszeichen."));
    }
    const QString term = line.mid(1, line.size() - 2);
    if (term.contains(u'"')) {
      return atLine(i, QStringLiteral(
                           "Zwischen den Anführungszeichen steht ein weiteres Anführungszeichen."));
    }
    file.terms.append(term);
  }
  return file;
}

}  // namespace

std::variant<QByteArray, QString> writeGraphFile(const std::array<float, 6>& view,
                                                 const QStringList& terms,
                                                 const Parameters& parameters,
                                                 const SteckbriefTask& steckbrief) {
  QByteArray bytes;
  for (int i = 0; i < kViewNumbers; ++i) {
    if (!std::isfinite(view[i])) {
      return QStringLiteral(
          "Das Koordinatensystem enthält einen ungültigen Wert und kann nicht gespeichert werden.");
    }
    if (i > 0) bytes += ',';
    // As many digits as it takes to read back the same float.
    bytes += exactNumberText(view[i]).replace(u',', u'.').toLatin1();
  }
  bytes += "\r\n";

  for (const QString& term : terms) {
    if (term.contains(u'"')) {
      return QStringLiteral("Der Term ") + quoted(term) +
             QStringLiteral(" enthält ein Anführungszeichen und kann nicht gespeichert werden.");
    }
    for (qsizetype i = 0; i < term.size(); ++i) {
      const char16_t c = term[i].unicode();
      if (c > 0xFF) {
        // Keep a surrogate pair together so the message shows the whole character.
        const qsizetype length = term[i].isHighSurrogate() && i + 1 < term.size() ? 2 : 1;
        return QStringLiteral("Der Term ") + quoted(term) +
               QStringLiteral(" enthält das Zeichen ") + quoted(term.mid(i, length)) +
               QStringLiteral(", das in einer Funktionsdatei nicht gespeichert werden kann.");
      }
      if (isControl(c) || c == u'\r' || c == u'\n') {
        return QStringLiteral("Der Term ") + quoted(term) +
               QStringLiteral(" enthält ein Steuerzeichen und kann nicht gespeichert werden.");
      }
    }
    bytes += '"' + term.toLatin1() + "\"\r\n";
  }
  for (const Parameter& p : parameters) bytes += parameterLine(p).toLatin1() + "\r\n";
  if (!steckbrief.isEmpty()) {
    bytes += (kTaskHead + QString::number(steckbrief.degree)).toLatin1() + "\r\n";
    for (const QString& condition : steckbrief.conditions) {
      bytes += (kConditionHead + escapedCondition(condition)).toLatin1() + "\r\n";
    }
  }
  return bytes;
}

std::variant<GraphFile, QString> readGraphFile(const QByteArray& bytes) {
  const std::vector<QString> lines = splitLines(QString::fromLatin1(bytes));

  // Checked first: for a binary file this says more than any complaint about its numbers.
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (const QChar c : lines[i]) {
      if (isControl(c.unicode())) {
        return atLine(i, QStringLiteral("Die Datei enthält Steuerzeichen und ist keine "
                                        "Funktionsdatei."));
      }
    }
  }

  const QString missing =
      QStringLiteral("Es fehlen Zahlen für das Koordinatensystem (erwartet: sechs Zahlen).");
  GraphFile file;
  int count = 0;
  std::size_t lastNumberLine = 0;
  std::size_t next = 0;
  // Fields run on over line ends until six are read, as a sequential reader would take them.
  for (; next < lines.size() && count < kViewNumbers; ++next) {
    const QString line = lines[next].trimmed();
    if (line.isEmpty()) continue;
    if (line.startsWith(u'"')) return atLine(count > 0 ? lastNumberLine : next, missing);
    for (const QString& raw : line.split(u',')) {
      if (count == kViewNumbers) {
        return atLine(next, QStringLiteral("Zu viele Zahlen für das Koordinatensystem "
                                           "(erwartet: sechs Zahlen)."));
      }
      const QString field = raw.trimmed();
      if (field.isEmpty()) return atLine(next, QStringLiteral("Ein Zahlenfeld ist leer."));
      const std::optional<float> value = parseSingle(field);
      if (!value) {
        if (!looksLikeNumber(field)) {
          return atLine(next, shown(field) + QStringLiteral(" ist keine Zahl."));
        }
        return atLine(next, QStringLiteral("Die Zahl ") + shown(field) +
                                QStringLiteral(" liegt außerhalb des Zahlenbereichs."));
      }
      file.view[count++] = *value;
    }
    lastNumberLine = next;
  }
  if (count == 0) return QStringLiteral("Die Datei ist leer.");
  if (count < kViewNumbers) return atLine(lastNumberLine, missing);

  return readTerms(std::move(file), lines, next);
}
