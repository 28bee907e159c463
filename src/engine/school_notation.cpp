#include "engine/school_notation.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "symbolic/term.h"

using symbolic::Node;
using symbolic::NodeKind;

namespace {

const QChar kMinus(0x2212);

// How tightly a printed piece binds: a piece is put in parentheses where its
// surroundings need at least the next level.
enum Binding { Sum = 1, Product = 2, Signed = 3, Power = 4, Atom = 5 };

struct Piece {
  QString plain;
  QString html;
  int binding = Atom;
};

QString escaped(const QString& text) {
  return text.toHtmlEscaped();
}

Piece parenthesized(const Piece& p) {
  return {'(' + p.plain + ')', '(' + p.html + ')', Atom};
}
Piece atLeast(const Piece& p, int binding) {
  return p.binding < binding ? parenthesized(p) : p;
}

bool isNumber(const Node& n) {
  return n.kind == NodeKind::Number;
}
bool isSymbol(const Node& n, const char* name) {
  return n.kind == NodeKind::Symbol && n.text == name;
}

// Superscript forms of the characters an exponent may use; empty when one has none.
QString superscript(const QString& plain) {
  static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
  QString out;
  for (QChar c : plain) {
    if (c.isDigit() && c.unicode() < 128) {
      out += digits[c.unicode() - '0'];
    } else if (c == kMinus) {
      out += QChar(0x207B);
    } else if (c == 'x') {
      out += QChar(0x02E3);
    } else {
      return {};
    }
  }
  return out;
}

Piece numberPiece(const std::string& digits) {
  QString text = QString::fromStdString(digits);
  const qsizetype e = text.indexOf('e', 0, Qt::CaseInsensitive);
  if (e < 0) {
    text.replace('.', ',');
    return {text, text, Atom};
  }
  // 1.5e-07: 1,5·10⁻⁷
  QString mantissa = text.left(e).replace('.', ',');
  QString exponent = text.mid(e + 1);
  if (exponent.startsWith('+')) exponent.remove(0, 1);
  while (exponent.size() > 1 && (exponent[0] == '0' || (exponent[0] == '-' && exponent[1] == '0')))
    exponent.remove(exponent[0] == '-' ? 1 : 0, 1);
  exponent.replace('-', kMinus);
  return {mantissa + QStringLiteral("·10") + superscript(exponent),
          mantissa + QStringLiteral("·10<sup>") + exponent + QStringLiteral("</sup>"), Product};
}

bool mentionsX(const Node& n);
bool isInteger(const Node& n, bool& negative);

class Printer {
 public:
  Piece print(const Node& n) {
    bool negative = false;
    Piece p = absolute(n, negative);
    if (!negative) return p;
    p = atLeast(p, Product);
    return {kMinus + p.plain, kMinus + p.html, Signed};
  }

 private:
  // The term without its leading sign, which goes to `negative`.
  Piece absolute(const Node& n, bool& negative) {
    switch (n.kind) {
      case NodeKind::Number:
        return numberPiece(n.text);
      case NodeKind::Symbol:
        return symbol(n.text);
      case NodeKind::Negate:
        negative = !negative;
        return absolute(*n.args[0], negative);
      case NodeKind::Add:
      case NodeKind::Subtract:
        return sum(n);
      case NodeKind::Multiply:
        return product(n, negative);
      case NodeKind::Divide:
        return quotient(n, negative);
      case NodeKind::Power:
        return power(*n.args[0], print(*n.args[1]));
      case NodeKind::Call:
        return call(n);
    }
    return {};
  }

  static Piece symbol(const std::string& name) {
    if (name == "pi") return {QStringLiteral("π"), QStringLiteral("π"), Atom};
    if (name == "inf" || name == "infinity")
      return {QStringLiteral("∞"), QStringLiteral("∞"), Atom};
    const QString text = QString::fromStdString(name);
    return {text, escaped(text), Atom};
  }

  struct Term {
    bool negative;
    Piece piece;
    bool number;
    bool constant;  // without x
  };

  void collect(const Node& n, bool negative, std::vector<Term>& terms) {
    if (n.kind == NodeKind::Add || n.kind == NodeKind::Subtract) {
      collect(*n.args[0], negative, terms);
      collect(*n.args[1], n.kind == NodeKind::Subtract ? !negative : negative, terms);
    } else if (n.kind == NodeKind::Negate) {
      collect(*n.args[0], !negative, terms);
    } else {
      bool sign = negative;
      Piece p = absolute(n, sign);
      terms.push_back({sign, p, isNumber(n), !mentionsX(n)});
    }
  }

  Piece joined(std::vector<Term> terms) {
    // A positive term leads: 1 − x rather than −x + 1.
    // A positive number leads too before a root or π: 1 + √2, 2 + 2·√2.
    if (terms.size() == 2 && !terms[1].negative && terms[1].number &&
        (terms[0].negative || (terms[0].constant && !terms[0].number)))
      std::swap(terms[0], terms[1]);
    Piece out{{}, {}, Sum};
    for (size_t i = 0; i < terms.size(); ++i) {
      const Piece p = atLeast(terms[i].piece, terms.size() > 1 ? Product : Signed);
      if (i == 0) {
        if (terms[i].negative) {
          out.plain += kMinus;
          out.html += kMinus;
        }
      } else {
        const QString sign =
            terms[i].negative ? QString(" ") + kMinus + ' ' : QStringLiteral(" + ");
        out.plain += sign;
        out.html += sign;
      }
      out.plain += p.plain;
      out.html += p.html;
    }
    if (terms.size() == 1) out.binding = terms[0].negative ? Signed : terms[0].piece.binding;
    return out;
  }

  Piece sum(const Node& n) {
    std::vector<Term> terms;
    collect(n, false, terms);
    return joined(std::move(terms));
  }

  void factors(const Node& n, bool& negative, std::vector<const Node*>& out) {
    if (n.kind == NodeKind::Multiply) {
      factors(*n.args[0], negative, out);
      factors(*n.args[1], negative, out);
    } else if (n.kind == NodeKind::Negate) {
      negative = !negative;
      factors(*n.args[0], negative, out);
    } else {
      out.push_back(&n);
    }
  }

  // A factor a number may stand right before, without a dot: 2x, 3x², 4t.
  static bool joinsNumber(const Node& n) {
    const Node& base = n.kind == NodeKind::Power ? *n.args[0] : n;
    return base.kind == NodeKind::Symbol && base.text != "e" &&
           (n.kind != NodeKind::Power || isNumber(*n.args[1]));
  }

  Piece product(const Node& n, bool& negative) {
    std::vector<const Node*> list;
    factors(n, negative, list);
    Piece out{{}, {}, Product};
    for (size_t i = 0; i < list.size(); ++i) {
      const Node& f = *list[i];
      if (i == 0 && isNumber(f) && f.text == "1" && list.size() > 1) continue;
      bool sign = false;
      Piece p = atLeast(absolute(f, sign), Product);
      if (sign) negative = !negative;
      if (!out.plain.isEmpty()) {
        const bool juxtapose = i == 1 && isNumber(*list[0]) && joinsNumber(f);
        if (!juxtapose) {
          out.plain += QStringLiteral("·");
          out.html += QStringLiteral("·");
        }
      }
      // A divided factor or a sum inside a product keeps its parentheses.
      if (p.binding == Product && f.kind == NodeKind::Divide && list.size() > 1 && i > 0)
        p = parenthesized(p);
      out.plain += p.plain;
      out.html += p.html;
      if (list.size() == 1) out.binding = p.binding;
    }
    return out;
  }

  Piece quotient(const Node& n, bool& negative) {
    const Node& top = *n.args[0];
    const Node& bottom = *n.args[1];
    // 3*sqrt(x)/2 as 3/2·√x
    if (isNumber(bottom)) {
      bool sign = false;
      std::vector<const Node*> list;
      factors(top, sign, list);
      if (list.size() == 2 && isNumber(*list[0]) && joinsNumber(*list[1])) {
        // 5*pi/2 as 5π/2, 3*x/2 as 3x/2
      } else if (list.size() > 1 && isNumber(*list[0])) {
        negative = negative != sign;
        Piece out = numberPiece(list[0]->text + "/" + bottom.text);
        out.binding = Product;
        for (size_t i = 1; i < list.size(); ++i) {
          bool s = false;
          Piece p = atLeast(absolute(*list[i], s), Product);
          if (s) negative = !negative;
          out.plain += QStringLiteral("·") + p.plain;
          out.html += QStringLiteral("·") + p.html;
        }
        return out;
      }
    }
    Piece numerator;
    std::vector<Term> terms;
    if (top.kind == NodeKind::Add || top.kind == NodeKind::Subtract) collect(top, false, terms);
    bool allNegative = terms.size() > 1;
    for (const Term& t : terms) allNegative = allNegative && t.negative;
    if (allNegative) {
      // (−x² − 4)/… as −(x² + 4)/…
      for (Term& t : terms) t.negative = false;
      negative = !negative;
      numerator = joined(std::move(terms));
    } else {
      numerator = absolute(top, negative);
    }
    bool sign = false;
    Piece denominator = absolute(bottom, sign);
    if (sign) negative = !negative;
    numerator = atLeast(numerator, Product);
    denominator = atLeast(denominator, Power);
    return {numerator.plain + '/' + denominator.plain, numerator.html + '/' + denominator.html,
            Product};
  }

  Piece power(const Node& base, const Piece& exponent) {
    Piece b = isSymbol(base, "e") ? Piece{"e", "e", Atom} : atLeast(print(base), Atom);
    const QString raised = superscript(exponent.plain);
    QString plain = b.plain;
    if (!raised.isEmpty()) {
      plain += raised;
    } else {
      plain += '^' + atLeast(exponent, Atom).plain;
    }
    return {plain, b.html + QStringLiteral("<sup>") + exponent.html + QStringLiteral("</sup>"),
            Power};
  }

  Piece call(const Node& n) {
    const std::string& name = n.text;
    if (n.args.size() != 1) {
      QString plain = QString::fromStdString(name) + '(', html = plain;
      for (size_t i = 0; i < n.args.size(); ++i) {
        const Piece a = print(*n.args[i]);
        plain += (i ? QStringLiteral("; ") : QString()) + a.plain;
        html += (i ? QStringLiteral("; ") : QString()) + a.html;
      }
      return {plain + ')', html + ')', Atom};
    }
    const Node& arg = *n.args[0];
    const Piece a = print(arg);
    // A root of an odd power as a power: √(x³) as x^(3/2).
    bool negative = false;
    if (name == "sqrt" && arg.kind == NodeKind::Power && isInteger(*arg.args[1], negative) &&
        !negative && arg.args[1]->text.size() < 4 && std::stoi(arg.args[1]->text) % 2 == 1 &&
        arg.args[1]->text != "1") {
      const QString half = QString::fromStdString(arg.args[1]->text) + QStringLiteral("/2");
      return power(*arg.args[0], Piece{half, half, Product});
    }
    if (name == "sqrt") {
      const Piece inside = atLeast(a, Atom);
      return {QStringLiteral("√") + inside.plain,
              QStringLiteral("√<span style=\"text-decoration: overline\">") + a.html +
                  QStringLiteral("</span>"),
              Power};
    }
    if (name == "exp") return power(Node{NodeKind::Symbol, "e", {}}, a);
    if (name == "abs") return {'|' + a.plain + '|', '|' + a.html + '|', Atom};
    QString shown = QString::fromStdString(name);
    if (name == "log10") shown = QStringLiteral("lg");
    if (name == "asin" || name == "acos" || name == "atan" || name == "acot")
      shown = QStringLiteral("arc") + shown.mid(1);
    if (name == "sign") shown = QStringLiteral("sgn");
    return {shown + '(' + a.plain + ')', shown + '(' + a.html + ')', Atom};
  }
};

// Engine notation of a part of a term, fully parenthesized.
std::string engineText(const Node& n) {
  auto wrap = [](const Node& part) { return "(" + engineText(part) + ")"; };
  switch (n.kind) {
    case NodeKind::Number:
    case NodeKind::Symbol:
      return n.text;
    case NodeKind::Negate:
      return "-" + wrap(*n.args[0]);
    case NodeKind::Add:
      return wrap(*n.args[0]) + "+" + wrap(*n.args[1]);
    case NodeKind::Subtract:
      return wrap(*n.args[0]) + "-" + wrap(*n.args[1]);
    case NodeKind::Multiply:
      return wrap(*n.args[0]) + "*" + wrap(*n.args[1]);
    case NodeKind::Divide:
      return wrap(*n.args[0]) + "/" + wrap(*n.args[1]);
    case NodeKind::Power:
      return wrap(*n.args[0]) + "^" + wrap(*n.args[1]);
    case NodeKind::Call: {
      std::string out = n.text + "(";
      for (size_t i = 0; i < n.args.size(); ++i) out += (i ? "," : "") + engineText(*n.args[i]);
      return out + ")";
    }
  }
  return {};
}

EngineTerm engineTerm(const Node& n) {
  return EngineTerm::asIs(QString::fromStdString(engineText(n)));
}

bool mentionsX(const Node& n) {
  if (isSymbol(n, "x")) return true;
  for (const auto& a : n.args)
    if (mentionsX(*a)) return true;
  return false;
}

// An integer exponent, with its sign.
bool isInteger(const Node& n, bool& negative) {
  if (n.kind == NodeKind::Negate) {
    negative = !negative;
    return isInteger(*n.args[0], negative);
  }
  return isNumber(n) && n.text.find_first_not_of("0123456789") == std::string::npos;
}

void collectConditions(const Node& n, DomainConditions& c) {
  for (const auto& a : n.args) collectConditions(*a, c);
  if (n.args.empty()) return;
  const Node& first = *n.args[0];
  if (n.kind == NodeKind::Divide && mentionsX(*n.args[1])) {
    c.nonZero << engineTerm(*n.args[1]);
  } else if (n.kind == NodeKind::Power && mentionsX(first)) {
    const Node& e = *n.args[1];
    bool negative = false;
    if (isInteger(e, negative)) {
      if (negative) c.nonZero << engineTerm(first);
    } else if (mentionsX(e)) {
      c.positive << engineTerm(first);
    } else {
      // A rational exponent p/q: an even q needs a base ≥ 0 (> 0 for p < 0).
      const Node* q = e.kind == NodeKind::Divide ? e.args[1].get() : nullptr;
      bool evenRoot = q == nullptr || (isNumber(*q) && (q->text.back() - '0') % 2 == 0);
      negative = false;
      const Node& top = e.kind == NodeKind::Divide ? *e.args[0] : e;
      isInteger(top, negative);
      if (evenRoot)
        (negative ? c.positive : c.nonNegative) << engineTerm(first);
      else if (negative)
        c.nonZero << engineTerm(first);
    }
  } else if (n.kind == NodeKind::Call && mentionsX(first)) {
    const std::string& f = n.text;
    if (f == "ln" || f == "log10") c.positive << engineTerm(first);
    if (f == "sqrt") c.nonNegative << engineTerm(first);
    if (f == "tan") c.nonZero << EngineTerm::asIs("cos(" + engineTerm(first).text() + ")");
    if (f == "cot") c.nonZero << EngineTerm::asIs("sin(" + engineTerm(first).text() + ")");
    if (f == "asin" || f == "acos")
      c.nonNegative << EngineTerm::asIs("1-(" + engineTerm(first).text() + ")^2");
  }
}

bool polynomial(const Node& n) {
  switch (n.kind) {
    case NodeKind::Number:
      return true;
    case NodeKind::Symbol:
      return n.text == "x" || n.text == "pi" || n.text == "e";
    case NodeKind::Negate:
    case NodeKind::Add:
    case NodeKind::Subtract:
    case NodeKind::Multiply:
      for (const auto& a : n.args)
        if (!polynomial(*a)) return false;
      return true;
    case NodeKind::Divide:
      return polynomial(*n.args[0]) && !mentionsX(*n.args[1]) && polynomial(*n.args[1]);
    case NodeKind::Power: {
      bool negative = false;
      return polynomial(*n.args[0]) && isInteger(*n.args[1], negative) && !negative;
    }
    case NodeKind::Call:
      return false;
  }
  return false;
}

}  // namespace

RichText RichText::words(const QString& text) {
  return {text, escaped(text)};
}

RichText& RichText::operator+=(const RichText& other) {
  plain += other.plain;
  html += other.html;
  return *this;
}

RichText schoolTerm(const EngineTerm& term) {
  const symbolic::ParseResult parsed = symbolic::parse(term.text().toStdString());
  if (!parsed) return RichText::words(term.forUser());
  const Piece p = Printer().print(*parsed.node);
  return {p.plain, p.html};
}

QString schoolNumber(double value, int decimals) {
  if (!std::isfinite(value)) return value > 0 ? QStringLiteral("∞") : QString(kMinus) + "∞";
  QString text = QString::number(value, 'f', decimals);
  if (text.contains('.')) {
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
  }
  if (text == QStringLiteral("-0")) text = QStringLiteral("0");
  return text.replace('.', ',').replace('-', kMinus);
}

bool isPlainNumber(const EngineTerm& term) {
  QString text = term.text();
  if (text.startsWith('-')) text.remove(0, 1);
  if (text.isEmpty()) return false;
  int points = 0;
  for (QChar c : text) {
    if (c == '.') {
      ++points;
    } else if (!c.isDigit()) {
      return false;
    }
  }
  return points <= 1;
}

DomainConditions domainConditions(const EngineTerm& term) {
  DomainConditions c;
  const symbolic::ParseResult parsed = symbolic::parse(term.text().toStdString());
  if (!parsed) {
    c.readable = false;
    return c;
  }
  collectConditions(*parsed.node, c);
  return c;
}

bool isPolynomial(const EngineTerm& term) {
  const symbolic::ParseResult parsed = symbolic::parse(term.text().toStdString());
  return parsed && polynomial(*parsed.node);
}

QList<EngineTerm> factorsWithX(const EngineTerm& term) {
  const symbolic::ParseResult parsed = symbolic::parse(term.text().toStdString());
  if (!parsed) return {term};
  QList<EngineTerm> out;
  std::vector<const Node*> stack{parsed.node.get()};
  while (!stack.empty()) {
    const Node* n = stack.back();
    stack.pop_back();
    if (n->kind == NodeKind::Multiply) {
      stack.push_back(n->args[1].get());
      stack.push_back(n->args[0].get());
    } else if (n->kind == NodeKind::Negate) {
      stack.push_back(n->args[0].get());
    } else if (mentionsX(*n)) {
      out << engineTerm(*n);
    }
  }
  return out;
}

int powerOfX(const EngineTerm& term) {
  const symbolic::ParseResult parsed = symbolic::parse(term.text().toStdString());
  if (!parsed) return 0;
  const Node& n = *parsed.node;
  if (isSymbol(n, "x")) return 1;
  bool negative = false;
  if (n.kind == NodeKind::Power && isSymbol(*n.args[0], "x") && isInteger(*n.args[1], negative) &&
      !negative && n.args[1]->text.size() < 4)
    return std::stoi(n.args[1]->text);
  return 0;
}

EngineTerm powerBase(const EngineTerm& term) {
  const symbolic::ParseResult parsed = symbolic::parse(term.text().toStdString());
  if (!parsed) return term;
  const Node* n = parsed.node.get();
  bool negative = false;
  while (n->kind == NodeKind::Power && isInteger(*n->args[1], negative) && !negative)
    n = n->args[0].get();
  return engineTerm(*n);
}

QList<QChar> parameterLetters(const EngineTerm& term) {
  const symbolic::ParseResult parsed = symbolic::parse(term.text().toStdString());
  if (!parsed) return {};
  QList<QChar> letters;
  std::vector<const Node*> stack{parsed.node.get()};
  while (!stack.empty()) {
    const Node* n = stack.back();
    stack.pop_back();
    for (const auto& a : n->args) stack.push_back(a.get());
    if (n->kind != NodeKind::Symbol || n->text.size() != 1) continue;
    const QChar letter = QLatin1Char(n->text[0]);
    if (letter != 'x' && letter != 'e' && letter != 'y' && !letters.contains(letter))
      letters << letter;
  }
  std::sort(letters.begin(), letters.end());
  return letters;
}

RichText pointText(const QString& name, const EngineTerm& x, double xValue, const EngineTerm& y,
                   double yValue) {
  const RichText approximation =
      RichText::words(QStringLiteral(" ≈ (") + schoolNumber(xValue) + QStringLiteral(" | ") +
                      schoolNumber(yValue) + ')');
  if (x.isEmpty()) return RichText::words(name) + approximation;
  const RichText shownY = y.isEmpty() ? RichText::words(schoolNumber(yValue)) : schoolTerm(y);
  RichText out = RichText::words(name + '(') + schoolTerm(x) +
                 RichText::words(QStringLiteral(" | ")) + shownY +
                 RichText::words(QStringLiteral(")"));
  if (y.isEmpty() || !isPlainNumber(x) || !isPlainNumber(y)) out += approximation;
  return out;
}
