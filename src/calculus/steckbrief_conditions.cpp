// Reading one condition of a Steckbrief task into linear equations for the coefficients.

#include "calculus/steckbrief.h"
#include "calculus/steckbrief_shared.h"

namespace {

const QString kKnownForms = QStringLiteral(
    "bekannt sind z. B. f(1) = 2, f′(1) = 0, P(2 | 3), HP(1 | 2), TP(…), WP(0 | 0), SP(0 | 1), "
    "Steigung 3 bei x = 2, Nullstelle bei x = 4, berührt die x-Achse bei x = 1, "
    "Tangente y = 2x − 1 bei x = 1, achsensymmetrisch, punktsymmetrisch");

// How many derivatives a prime character stands for (0: none).
int primeCount(QChar c) {
  switch (c.unicode()) {
    case u'\'':
    case u'\u2019':
    case u'\u2032':
      return 1;
    case u'\u2033':
      return 2;
    case u'\u2034':
      return 3;
    default:
      return 0;
  }
}

bool isSpace(QChar c) {
  return c.isSpace();
}

// The point names a condition may start with and what they add to the point itself.
struct PointKind {
  QString name;        // lower case
  bool slopeZero;      // f′ = 0
  bool curvatureZero;  // f″ = 0
};

const PointKind kPointKinds[] = {
    {QStringLiteral("hp"), true, false},         {QStringLiteral("tp"), true, false},
    {QStringLiteral("h"), true, false},          {QStringLiteral("t"), true, false},
    {QStringLiteral("ep"), true, false},         {QStringLiteral("hochpunkt"), true, false},
    {QStringLiteral("tiefpunkt"), true, false},  {QStringLiteral("extrempunkt"), true, false},
    {QStringLiteral("wp"), false, true},         {QStringLiteral("w"), false, true},
    {QStringLiteral("wendepunkt"), false, true}, {QStringLiteral("sp"), true, true},
    {QStringLiteral("sattelpunkt"), true, true}, {QStringLiteral("punkt"), false, false},
};

class Reader {
 public:
  Reader(const QString& text, int degree) : text_(text), degree_(degree) {
    lower_.reserve(text.size());
    for (QChar c : text) {
      if (c == QChar(0x2212) || c == QChar(0x2013)) c = u'-';
      lower_ += c.toLower();
    }
  }

  ConditionReading read();

 private:
  void skipSpaces() {
    while (pos_ < lower_.size() && isSpace(lower_[pos_])) ++pos_;
  }
  QChar peek() {
    skipSpaces();
    return pos_ < lower_.size() ? lower_[pos_] : QChar();
  }
  bool atEnd() {
    skipSpaces();
    return pos_ >= lower_.size();
  }
  // Takes a word (lower case, may contain blanks that stand for any run of blanks).
  bool take(const QString& word);
  bool expect(const QString& word, const QString& shown);
  std::optional<Fraction> number();
  std::optional<Fraction> expectNumber();
  std::optional<Fraction> location();
  bool line(Fraction& slope, Fraction& intercept);
  void fail(int at, const QString& what);
  QString shown(const Fraction& value) const { return valueText(value, decimals_); }

  void addValue(int derivative, const Fraction& x, const Fraction& y);
  void readFunctionValue();
  void readPoint(const QString& shownName, const PointKind& kind);
  void readSymmetry(bool even);
  void readSlope();
  void readZero(bool touching);
  void readTangent();

  QString text_;
  QString lower_;
  int degree_;
  int pos_ = 0;
  bool decimals_ = false;  // a number was typed with a decimal comma or point
  ConditionReading result_;
};

bool Reader::take(const QString& word) {
  skipSpaces();
  int at = pos_;
  for (QChar w : word) {
    if (w == u' ') {
      while (at < lower_.size() && isSpace(lower_[at])) ++at;
      continue;
    }
    if (at >= lower_.size() || lower_[at] != w) return false;
    ++at;
  }
  pos_ = at;
  return true;
}

bool Reader::expect(const QString& word, const QString& shown) {
  if (take(word)) return true;
  fail(pos_, QStringLiteral("fehlt „") + shown + QStringLiteral("“"));
  return false;
}

void Reader::fail(int at, const QString& what) {
  if (!result_.error.isEmpty()) return;
  QString before = text_.left(at).trimmed();
  QString place = before.isEmpty() ? QStringLiteral("am Anfang")
                                   : QStringLiteral("nach „") + before + QStringLiteral("“");
  result_.error = QStringLiteral("Bei „") + text_.trimmed() + QStringLiteral("“: ") + place +
                  QLatin1Char(' ') + what + QLatin1Char('.');
  result_.errorPosition = at;
}

// An integer, a decimal with comma or point, or a fraction of two such numbers, with sign.
std::optional<Fraction> Reader::number() {
  skipSpaces();
  int start = pos_;
  int at = pos_;
  bool negative = false;
  if (at < lower_.size() && (lower_[at] == u'-' || lower_[at] == u'+')) {
    negative = lower_[at] == u'-';
    ++at;
    while (at < lower_.size() && isSpace(lower_[at])) ++at;
  }
  bool tooLong = false;
  auto decimal = [&](Fraction& value) -> bool {
    std::int64_t digits = 0, scale = 1;
    int count = 0;
    bool any = false, afterPoint = false;
    while (at < lower_.size()) {
      QChar c = lower_[at];
      if (c >= u'0' && c <= u'9') {
        if (++count > 17) {
          tooLong = true;
          return false;
        }
        digits = digits * 10 + (c.unicode() - u'0');
        if (afterPoint) scale *= 10;
        any = true;
        ++at;
      } else if ((c == u',' || c == u'.') && !afterPoint && any && at + 1 < lower_.size() &&
                 lower_[at + 1] >= u'0' && lower_[at + 1] <= u'9') {
        afterPoint = true;
        decimals_ = true;
        ++at;
      } else {
        break;
      }
    }
    if (any) value = Fraction(digits, scale);
    return any;
  };
  Fraction value;
  bool read = decimal(value);
  if (tooLong) fail(start, QStringLiteral("hat die Zahl zu viele Ziffern (höchstens 17)"));
  if (!read) {
    pos_ = start;
    return std::nullopt;
  }
  pos_ = at;
  int slash = at;
  while (slash < lower_.size() && isSpace(lower_[slash])) ++slash;
  if (slash < lower_.size() && lower_[slash] == u'/') {
    at = slash + 1;
    while (at < lower_.size() && isSpace(lower_[at])) ++at;
    int denominatorStart = at;
    Fraction denominator;
    if (!decimal(denominator)) {
      if (tooLong)
        fail(denominatorStart, QStringLiteral("hat die Zahl zu viele Ziffern (höchstens 17)"));
      fail(slash + 1, QStringLiteral("fehlt der Nenner des Bruchs"));
      return std::nullopt;
    }
    if (denominator.isZero()) {
      fail(denominatorStart, QStringLiteral("steht der Nenner 0 (durch 0 kann man nicht teilen)"));
      return std::nullopt;
    }
    value = value / denominator;
    pos_ = at;
  }
  return negative ? -value : value;
}

std::optional<Fraction> Reader::expectNumber() {
  auto value = number();
  if (!value) fail(pos_, QStringLiteral("fehlt eine Zahl"));
  return value;
}

// "bei x = 2", "an der Stelle x = 2", "bei 2".
std::optional<Fraction> Reader::location() {
  if (!take(QStringLiteral("bei")) && !take(QStringLiteral("an der stelle"))) {
    fail(pos_, QStringLiteral("fehlt „bei x = …“"));
    return std::nullopt;
  }
  if (take(QStringLiteral("x")) && !expect(QStringLiteral("="), QStringLiteral("=")))
    return std::nullopt;
  return expectNumber();
}

// A straight line after "y =": "2x − 1", "-x + 4", "3", "0,5x", "1/2·x".
bool Reader::line(Fraction& slope, Fraction& intercept) {
  bool first = true;
  for (;;) {
    skipSpaces();
    int start = pos_;
    bool negative = false;
    if (peek() == u'-' || peek() == u'+') {
      negative = peek() == u'-';
      ++pos_;
    } else if (!first) {
      return true;
    }
    auto factor = number();
    if (!result_.error.isEmpty()) return false;
    if (factor) take(QStringLiteral("·")) || take(QStringLiteral("*"));
    bool withX = take(QStringLiteral("x"));
    if (!factor && !withX) {
      fail(start + (negative ? 1 : 0), QStringLiteral("fehlt eine Zahl oder x"));
      return false;
    }
    if (withX && (peek() == u'^' || peek() == u'²' || peek() == u'³')) {
      fail(pos_, QStringLiteral("steht eine Potenz; eine Tangente ist eine Gerade y = m·x + n"));
      return false;
    }
    Fraction value = factor.value_or(Fraction(1));
    if (negative) value = -value;
    (withX ? slope : intercept) = (withX ? slope : intercept) + value;
    first = false;
  }
}

void Reader::addValue(int derivative, const Fraction& x, const Fraction& y) {
  result_.equations.append({derivativeRow(degree_, derivative, x), y});
  result_.facts.append({ConditionFact::Kind::Value, derivative, x, y});
}

void Reader::readFunctionValue() {
  ++pos_;  // "f"
  int derivative = 0;
  for (;;) {
    QChar c = peek();
    int primes = primeCount(c);
    if (primes == 0) break;
    derivative += primes;
    ++pos_;
  }
  if (!expect(QStringLiteral("("), QStringLiteral("("))) return;
  auto x = expectNumber();
  if (!x || !expect(QStringLiteral(")"), QStringLiteral(")"))) return;
  if (!expect(QStringLiteral("="), QStringLiteral("="))) return;
  auto y = expectNumber();
  if (!y) return;
  addValue(derivative, *x, *y);
  result_.label = derivativeAt(derivative, *x, decimals_) + QStringLiteral(" = ") + shown(*y);
}

void Reader::readPoint(const QString& shownName, const PointKind& kind) {
  if (!expect(QStringLiteral("("), QStringLiteral("("))) return;
  auto x = expectNumber();
  if (!x) return;
  if (!take(QStringLiteral("|")) && !take(QStringLiteral(";"))) {
    fail(pos_, QStringLiteral("fehlt „|“ zwischen x und y (ein Punkt wird P(x | y) geschrieben)"));
    return;
  }
  auto y = expectNumber();
  if (!y || !expect(QStringLiteral(")"), QStringLiteral(")"))) return;
  addValue(0, *x, *y);
  if (kind.slopeZero) addValue(1, *x, 0);
  if (kind.curvatureZero) addValue(2, *x, 0);
  result_.label = shownName + QLatin1Char('(') + shown(*x) + QStringLiteral(" | ") + shown(*y) +
                  QLatin1Char(')');
}

void Reader::readSymmetry(bool even) {
  if (even)
    take(QStringLiteral("zur y-achse")) || take(QStringLiteral("zur y achse"));
  else
    take(QStringLiteral("zum ursprung")) || take(QStringLiteral("zum koordinatenursprung"));
  // Even symmetry: the odd powers vanish; odd symmetry: the even powers and the constant.
  for (int column = 0; column <= degree_; ++column) {
    int p = degree_ - column;
    if ((p % 2 == 1) != even) continue;
    LinearEquation equation{std::vector<Fraction>(degree_ + 1), 0};
    equation.coefficients[column] = 1;
    result_.equations.append(equation);
  }
  ConditionFact fact;
  fact.kind = even ? ConditionFact::Kind::EvenSymmetry : ConditionFact::Kind::OddSymmetry;
  result_.facts.append(fact);
  result_.label = even ? QStringLiteral("achsensymmetrisch") : QStringLiteral("punktsymmetrisch");
}

void Reader::readSlope() {
  auto slope = expectNumber();
  if (!slope) return;
  auto x = location();
  if (!x) return;
  addValue(1, *x, *slope);
  result_.label =
      QStringLiteral("Steigung ") + shown(*slope) + QStringLiteral(" bei x = ") + shown(*x);
}

void Reader::readZero(bool touching) {
  if (touching) {
    take(QStringLiteral("die"));
    if (!take(QStringLiteral("x-achse")) && !take(QStringLiteral("x achse"))) {
      fail(pos_, QStringLiteral("fehlt „x-Achse“"));
      return;
    }
  }
  auto x = location();
  if (!x) return;
  addValue(0, *x, 0);
  if (touching) addValue(1, *x, 0);
  result_.label = (touching ? QStringLiteral("berührt die x-Achse bei x = ")
                            : QStringLiteral("Nullstelle bei x = ")) +
                  shown(*x);
}

// "Tangente y = 2x − 1 bei x = 1" or "Tangente bei x = 1: y = 2x − 1".
void Reader::readTangent() {
  std::optional<Fraction> x;
  bool locationFirst = peek() == u'b' || peek() == u'a';
  if (locationFirst) {
    x = location();
    if (!x) return;
    take(QStringLiteral(":")) || take(QStringLiteral(","));
  }
  take(QStringLiteral(":")) || take(QStringLiteral("t:"));
  if (!expect(QStringLiteral("y"), QStringLiteral("y =")) ||
      !expect(QStringLiteral("="), QStringLiteral("=")))
    return;
  Fraction slope, intercept;
  if (!line(slope, intercept)) return;
  if (!locationFirst) {
    x = location();
    if (!x) return;
  }
  addValue(0, *x, slope * *x + intercept);
  addValue(1, *x, slope);
  QString lineText = shown(intercept);
  if (!slope.isZero()) {
    lineText = productTerm(slope, QStringLiteral("x"), true, decimals_);
    if (!intercept.isZero()) lineText += productTerm(intercept, QString(), false, decimals_);
  }
  result_.label =
      QStringLiteral("Tangente y = ") + lineText + QStringLiteral(" bei x = ") + shown(*x);
}

ConditionReading Reader::read() {
  skipSpaces();
  int start = pos_;
  if (atEnd()) {
    fail(0, QStringLiteral("steht keine Bedingung"));
    return result_;
  }
  // "f(", "f'(" …: a value of f or of a derivative.
  if (lower_[start] == u'f' && text_[start] == u'f') {
    int after = start + 1;
    while (after < lower_.size() && isSpace(lower_[after])) ++after;
    if (after < lower_.size() && (lower_[after] == u'(' || primeCount(lower_[after]) > 0)) {
      readFunctionValue();
      if (result_.error.isEmpty() && !atEnd())
        fail(pos_,
             QStringLiteral("ist „") + text_.mid(pos_).trimmed() + QStringLiteral("“ zu viel"));
      return result_;
    }
  }
  int end = start;
  while (end < lower_.size() && lower_[end].isLetter()) ++end;
  QString word = lower_.mid(start, end - start);
  QString shownName = text_.mid(start, end - start);
  pos_ = end;
  if (word == u"steigung") {
    readSlope();
  } else if (word == u"nullstelle") {
    readZero(false);
  } else if (word == u"berührt" || word == u"beruehrt") {
    readZero(true);
  } else if (word == u"tangente") {
    readTangent();
  } else if (word == u"achsensymmetrisch") {
    readSymmetry(true);
  } else if (word == u"punktsymmetrisch") {
    readSymmetry(false);
  } else {
    // A named point: HP, TP, WP, SP, …, or any single capital letter; an index may follow.
    while (pos_ < lower_.size() &&
           (lower_[pos_].isDigit() || (lower_[pos_] >= u'₀' && lower_[pos_] <= u'₉')))
      ++pos_;
    shownName = text_.mid(start, pos_ - start);
    const PointKind* kind = nullptr;
    for (const PointKind& k : kPointKinds)
      if (k.name == word) kind = &k;
    static const PointKind plain{QString(), false, false};
    if (!kind && word.size() == 1 && text_[start].isUpper()) kind = &plain;
    if (kind && peek() != u'(') {
      fail(pos_, QStringLiteral("fehlt „(“ (ein Punkt wird ") + shownName +
                     QStringLiteral("(x | y) geschrieben)"));
      return result_;
    }
    if (!kind) {
      QString shown = word.isEmpty() ? text_.mid(start).trimmed() : shownName;
      fail(start, QStringLiteral("ist „") + shown + QStringLiteral("“ keine bekannte Bedingung (") +
                      kKnownForms + QLatin1Char(')'));
      return result_;
    }
    readPoint(shownName, *kind);
  }
  if (result_.error.isEmpty() && !atEnd())
    fail(pos_, QStringLiteral("ist „") + text_.mid(pos_).trimmed() + QStringLiteral("“ zu viel"));
  for (ConditionFact& fact : result_.facts) fact.decimals = decimals_;
  return result_;
}

}  // namespace

ConditionReading readCondition(const QString& text, int degree) {
  ConditionReading reading;
  if (degree < 1 || degree > 6) {
    reading.error = QStringLiteral("Der Grad muss zwischen 1 und 6 liegen.");
    return reading;
  }
  try {
    reading = Reader(text, degree).read();
  } catch (const FractionOverflow&) {
    reading = ConditionReading();
    reading.error =
        QStringLiteral("Bei „") + text.trimmed() + QStringLiteral("“: ") + overflowMessage();
    reading.errorPosition = 0;
  }
  if (!reading.error.isEmpty()) {
    reading.equations.clear();
    reading.facts.clear();
  }
  return reading;
}
