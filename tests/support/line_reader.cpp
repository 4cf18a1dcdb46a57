#include "support/line_reader.h"

#include <cmath>
#include <optional>
#include <sstream>

#include "engine/strings.h"

namespace reading {

namespace {

// --- Reading the glyphs -------------------------------------------------------------------------

// Which metrics a glyph's style belongs to: a formula's line, a fraction's numerator or
// denominator, both alike, small plain text, or a prompt line.
enum class Metrics { Line, Fraction, Both, Plain, Prompt };

// One way to read a drawing: the markup it shows, where the glyph cursor stood (tx, ty is the
// cursor and the top of its text line) and how far it moved.
struct Token {
  std::string mark;
  float tx = 0, ty = 0, advance = 0;
  Metrics metrics = Metrics::Line;
  int root = 0;  // a root sign: the height of its bar above the line (4, 6 or 14); 0 otherwise
};

bool near(float a, float b) { return std::fabs(a - b) < 0.01f; }

// The gothic face by either of its names, as the log writes them (UTF-8): the typesetter sets
// "ゴシック"; small plain text draws in the face it finds, "ｺﾞｼｯｸ" from start-up.
bool isGothic(const std::string& face) {
  static const std::string names[] = {toUtf8("ゴシック"), toUtf8("ｺﾞｼｯｸ")};
  return face == names[0] || face == names[1];
}

bool isOneOf(const std::string& mark, std::initializer_list<const char*> marks) {
  for (const char* m : marks)
    if (mark == m) return true;
  return false;
}

// The readings of a text operation by its face, size and magnification: the glyph classes of
// the typesetter, of small plain text and of the prompt text. Several when one style serves two
// classes; none for a text drawn otherwise.
std::vector<Token> readingsOf(const Op& op) {
  const std::string ch = fromUtf8(op.text);
  const float x = op.x1, y = op.y1;
  const auto at = [&](const std::string& mark, float dx, float dy, float advance, Metrics metrics) {
    return Token{mark, x - dx, y - dy, advance, metrics};
  };
  const auto mag = [&](int h, int v) { return op.magX == h && op.magY == v; };
  if (op.face == "Times New Roman" && op.italic && op.size == 8) {
    if (mag(10, 7)) return {at(ch, 4, -22, 27, Metrics::Line)};
    if (mag(12, 5)) return {at(ch, 4, -16, 32, Metrics::Fraction)};
    if (mag(7, 4)) return {at(ch, 4, -12, 20, Metrics::Plain)};
    return {};
  }
  if (op.face == "MT Extra") {
    if (op.size == 16 && mag(6, 3)) return {at(ch, 0, 0, 32, Metrics::Both)};
    if (op.size == 56 && mag(1, 1)) return {at(ch, 4, -4, 32, Metrics::Line)};
    if (op.size == 38 && mag(3, 1)) return {at(ch, 0, 0, 32, Metrics::Fraction)};
    return {};
  }
  if (!isGothic(op.face)) return {};
  if (op.size == 16 && mag(1, 1)) {  // prompt text: 16 px cells, half-width glyphs 4 px higher
    if (ch == "．") return {at(ch, -4, 0, 0, Metrics::Prompt)};  // in the gap before its cell
    return {at(ch, 0, ch.size() == 1 ? -4 : 0, 16, Metrics::Prompt)};
  }
  if (op.size == 15) {  // small plain text
    if ((ch == "." || ch == ",") && mag(3, 2)) return {at(ch, 0, 0, 8, Metrics::Plain)};
    if (ch == "(" && mag(3, 2)) return {at(ch, -8, 0, 12, Metrics::Plain)};
    if (ch == ")" && mag(3, 2)) return {at(ch, 0, 0, 8, Metrics::Plain)};
    if (ch.size() == 2 && mag(2, 2)) return {at(ch, 0, 0, 30, Metrics::Plain)};
    if (ch == "y" && mag(3, 2)) return {at(ch, 0, -6, 20, Metrics::Plain)};
    if (mag(3, 2)) return {at(ch, 0, 0, 20, Metrics::Plain)};
    return {};
  }
  if (op.size == 14 && mag(3, 3) && ch == "=") return {at(ch, 4, 0, 32, Metrics::Both)};
  if (op.size == 8 && mag(6, 3))
    return {at("\\" + ch, 0, -10, 24, Metrics::Both), at("^" + ch, 0, -4, 24, Metrics::Fraction)};
  if (op.size == 11 && mag(3, 3)) return {at(ch, 0, 0, 38, Metrics::Fraction)};
  if (op.size != 16) return {};
  if (mag(3, 2)) {
    if (ch == ".") return {at(ch, -3, 14, 8, Metrics::Both), at("^" + ch, 0, 0, 24, Metrics::Line)};
    return {at("^" + ch, 0, 0, 24, Metrics::Line)};
  }
  if (mag(3, 3)) {
    if (ch == "'" || ch == "°") return {at(ch, 0, 0, 12, Metrics::Both)};
    return {at(ch, 0, 0, 27, Metrics::Line)};
  }
  if (mag(3, 4) && ch == "(") return {at(ch, -4, -6, 27, Metrics::Both)};
  if (mag(3, 4) && ch == ")") return {at(ch, 6, -6, 27, Metrics::Both)};
  if (mag(2, 3)) {
    if (isOneOf(ch, {"×", "÷", "±"})) return {at(ch, -4, 0, 27, Metrics::Line)};
    return {at(ch, 0, 0, 34, Metrics::Line)};
  }
  if (mag(4, 2)) return {at(ch, 0, 0, 32, Metrics::Fraction)};
  return {};
}

// --- Reading the strokes ------------------------------------------------------------------------

bool horizontal(const Op& op, int pen) { return op.kind == OpKind::Line && op.pen == pen && near(op.y1, op.y2); }
bool vertical(const Op& op, int pen) { return op.kind == OpKind::Line && op.pen == pen && near(op.x1, op.x2); }

// A drawn sign at ops[i] (and the plus's upright stroke after it): its token, and how many
// operations it took.
std::optional<Token> signAt(const std::vector<Op>& ops, std::size_t i, std::size_t to, std::size_t& taken) {
  const Op& op = ops[i];
  if (!horizontal(op, 5) || op.x2 <= op.x1) return std::nullopt;
  const float length = op.x2 - op.x1;
  const bool inFraction = near(length, 20);
  if (!inFraction && !near(length, 19)) return std::nullopt;
  // The plus's upright: crossing the bar at its middle in a fraction, 9 px right of its start outside.
  const float upX = op.x1 + (inFraction ? 10 : 9), upTop = op.y1 - (inFraction ? 10 : 12);
  const float upLength = inFraction ? 20 : 24;
  const bool plus = i + 1 < to && vertical(ops[i + 1], 5) && ops[i + 1].colour == op.colour &&
                    near(ops[i + 1].x1, upX) && near(ops[i + 1].y1, upTop) && near(ops[i + 1].y2, upTop + upLength);
  taken = plus ? 2 : 1;
  if (inFraction) return Token{plus ? "+" : "-", op.x1 - 6, op.y1 - 14, 32, Metrics::Fraction};
  return Token{plus ? "+" : "-", op.x1 - 4, op.y1 - (plus ? 22 : 20), 27, Metrics::Line};
}

// A root sign or the parallelogram sign drawn as a polyline.
std::optional<Token> polylineSign(const Op& op) {
  if (op.kind != OpKind::Polyline || op.points.size() != 5) return std::nullopt;
  const auto shaped = [&](std::initializer_list<Point> offsets) {
    const Point& p0 = op.points[0];
    const Point& o0 = *offsets.begin();
    std::size_t k = 0;
    for (const Point& o : offsets) {
      if (!near(op.points[k].x - p0.x, o.x - o0.x) || !near(op.points[k].y - p0.y, o.y - o0.y)) return false;
      ++k;
    }
    return true;
  };
  const Point& p = op.points[0];
  if (op.pen == 3 && shaped({{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}))
    return Token{"!", p.x - 4, p.y - 36, 28, Metrics::Line, 4};
  if (op.pen == 3 && shaped({{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}}))
    return Token{"!", p.x - 4, p.y - 24, 26, Metrics::Fraction, 6};
  if (op.pen == 3 && shaped({{4, 36}, {8, 24}, {16, 60}, {30, -14}, {38, -14}}))
    return Token{"#", p.x - 4, p.y - 36, 32, Metrics::Line, 14};
  if (op.pen == 5 && shaped({{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}}))
    return Token{"&", p.x - 4, p.y - 40, 36, Metrics::Both};
  return std::nullopt;
}

// --- Building a line ------------------------------------------------------------------------------

// A run of glyphs on one text line: a line of its own, or a fraction's numerator or denominator.
struct Run {
  std::string text;
  float x = 0, y = 0, cursor = 0;
  int colour = 0;
  Metrics metrics = Metrics::Line;
  bool started = false;
  // The open root: its bar's height above the line; whether the glyph last added still waits
  // for the bar to be drawn over it, and where the text stood before it.
  int root = 0;
  bool waiting = false;
  std::size_t beforeLast = 0;

  float blank() const {
    return metrics == Metrics::Plain ? PLAIN_BLANK : metrics == Metrics::Prompt ? PROMPT_CELL : BLANK;
  }

  bool fits(Metrics m) const {
    const auto own = [](Metrics k) { return k == Metrics::Plain || k == Metrics::Prompt; };
    if (own(metrics) || own(m)) return m == metrics;
    return m == Metrics::Both || m == metrics;
  }
  // The blanks between the cursor and a token starting at tx, or -1 when it does not follow.
  int blanksBefore(float tx) const {
    const float gap = tx - cursor;
    const float blanks = std::round(gap / blank());
    if (blanks < 0 || blanks > 12 || std::fabs(gap - blanks * blank()) > 0.01f) return -1;
    return static_cast<int>(blanks);
  }
  bool accepts(const Token& t, int colourOfT) const {
    if (!started) return true;
    return colourOfT == colour && fits(t.metrics) && near(t.ty, y) && blanksBefore(t.tx) >= 0;
  }

  // The open root ends before the glyph still waiting for its bar.
  void settleRoot() {
    if (root != 0 && waiting) {
      text.insert(beforeLast, "ﾝ");
      root = 0;
      waiting = false;
    }
  }

  void add(const Token& t, int colourOfT) {
    settleRoot();
    const std::size_t before = text.size();
    if (!started) {
      started = true;
      x = t.tx;
      y = t.ty;
      colour = colourOfT;
      if (metrics != Metrics::Fraction) metrics = t.metrics == Metrics::Both ? Metrics::Line : t.metrics;
    } else {
      text.append(static_cast<std::size_t>(blanksBefore(t.tx)), ' ');
    }
    text += t.mark;
    cursor = t.tx + t.advance;
    if (t.root != 0) {
      root = t.root;
      waiting = false;
    } else if (root != 0 && t.mark != "&") {
      waiting = true;
      beforeLast = before;
    }
  }

  // A bar of the open root drawn at height y from x1 to x2: over the glyph just added, or over
  // blanks after it.
  bool takesBar(float barY, float x2) {
    if (root == 0 || !near(barY, y - static_cast<float>(root))) return false;
    const int blanks = blanksBefore(x2);
    if (blanks < 0) return false;
    text.append(static_cast<std::size_t>(blanks), ' ');
    cursor = x2;
    waiting = false;
    return true;
  }

  std::string finished() {
    settleRoot();
    if (root != 0) text += "ﾝ";
    root = 0;
    return text;
  }
};

// A stacked fraction being read: its bar, then the denominator's glyphs, then the numerator's.
struct Fraction {
  float x = 0, y = 0, width = 0;
  int colour = 0;
  bool underTallRoot = false;
  Run numerator, denominator;
  std::size_t first = 0, end = 0;  // its operations in the log

  // The run a fraction glyph belongs to, or none when it lies outside the fraction.
  Run* runOf(const Token& t, int colourOfT) {
    if (colourOfT != colour || (t.metrics != Metrics::Fraction && t.metrics != Metrics::Both)) return nullptr;
    if (t.tx < x - 0.01f || t.tx > x + width + 0.01f) return nullptr;
    Run* run = nullptr;
    if (near(t.ty, y - 10)) {
      run = &numerator;
    } else if (!numerator.started && (near(t.ty, y + 28) || near(t.ty, y + 36) || near(t.ty, y + 44))) {
      run = &denominator;
    }
    return run && run->accepts(t, colourOfT) ? run : nullptr;
  }

  Token token() {
    return Token{"ﾀ" + numerator.finished() + "/" + denominator.finished() + "ﾀ", x, y, width, Metrics::Line};
  }
};

class Reader {
 public:
  Reader(const std::vector<Op>& ops, std::size_t from, std::size_t to) : ops_(ops), from_(from), to_(to) {}

  std::vector<Line> read() {
    for (std::size_t i = from_; i < to_;) i = step(i);
    closeFraction();
    endLine();
    return lines_;
  }

 private:
  // Reads the operation at i (with the one after it for a plus); returns where to go on.
  std::size_t step(std::size_t i) {
    const Op& op = ops_[i];
    std::size_t taken = 1;
    if (auto sign = signAt(ops_, i, to_, taken)) {
      glyph({*sign}, op.colour, i, i + taken);
      return i + taken;
    }
    if (auto sign = polylineSign(op)) {
      glyph({*sign}, op.colour, i, i + 1);
      return i + 1;
    }
    if (op.kind == OpKind::Text) {
      const std::vector<Token> readings = readingsOf(op);
      if (!readings.empty()) {
        glyph(readings, op.colour, i, i + 1);
        return i + 1;
      }
    }
    if (horizontal(op, 4) && op.x2 >= op.x1) {  // a fraction's bar
      closeFraction();
      Fraction& f = fraction_.emplace();
      f.x = op.x1;
      f.y = op.y1 - 25;
      f.width = op.x2 - op.x1;
      f.colour = op.colour;
      f.numerator.metrics = f.denominator.metrics = Metrics::Fraction;
      f.first = i;
      f.end = i + 1;
      return i + 1;
    }
    if (horizontal(op, 3) && bar(op, i)) return i + 1;
    // Anything else ends the line being read.
    closeFraction();
    endLine();
    return i + 1;
  }

  // A pen-3 bar: a root's bar over what the reader has just read, or the tall root's bar over a
  // fraction, drawn right after the fraction's own bar.
  bool bar(const Op& op, std::size_t i) {
    if (fraction_ && op.colour == fraction_->colour) {
      Fraction& f = *fraction_;
      if (!f.numerator.started && !f.denominator.started && line_.started && line_.root == 14 &&
          near(op.y1, f.y - 14) && near(op.x1, f.x) && near(op.x2, f.x + f.width)) {
        f.underTallRoot = true;
        f.end = i + 1;
        return true;
      }
      Run& part = f.numerator.started ? f.numerator : f.denominator;
      if (part.started && part.takesBar(op.y1, op.x2)) {
        f.end = i + 1;
        return true;
      }
    }
    closeFraction();
    if (line_.started && op.colour == line_.colour && line_.takesBar(op.y1, op.x2)) {
      end_ = i + 1;
      return true;
    }
    return false;
  }

  void glyph(const std::vector<Token>& readings, int colour, std::size_t first, std::size_t end) {
    if (fraction_) {
      for (const Token& t : readings) {
        if (Run* run = fraction_->runOf(t, colour)) {
          run->add(t, colour);
          fraction_->end = end;
          return;
        }
      }
      closeFraction();
    }
    for (const Token& t : readings) {
      if (line_.started && line_.accepts(t, colour)) {
        line_.add(t, colour);
        end_ = end;
        return;
      }
    }
    endLine();
    // A new line: the first reading that is not a fraction's (those need a bar).
    const Token* start = &readings.front();
    for (const Token& t : readings)
      if (t.metrics != Metrics::Fraction) {
        start = &t;
        break;
      }
    startLine(*start, colour, first, end);
  }

  void startLine(const Token& t, int colour, std::size_t first, std::size_t end) {
    line_ = Run{};
    line_.add(t, colour);
    first_ = first;
    end_ = end;
  }

  void closeFraction() {
    if (!fraction_) return;
    Fraction f = std::move(*fraction_);
    fraction_.reset();
    const Token t = f.token();
    const bool tall = f.underTallRoot;
    if (line_.started && line_.accepts(t, f.colour)) {
      line_.add(t, f.colour);
      end_ = f.end;
    } else {
      endLine();
      startLine(t, f.colour, f.first, f.end);
    }
    // The tall root's bar was drawn over the whole fraction.
    if (tall) line_.waiting = false;
  }

  void endLine() {
    if (!line_.started) return;
    Line line;
    line.x = line_.x;
    line.y = line_.y;
    line.right = line_.cursor;
    line.colour = line_.colour;
    line.kind = line_.metrics == Metrics::Plain    ? Kind::Plain
                : line_.metrics == Metrics::Prompt ? Kind::Prompt
                                                   : Kind::Formula;
    line.text = line_.finished();
    line.first = first_;
    line.end = end_;
    lines_.push_back(std::move(line));
    line_ = Run{};
  }

  const std::vector<Op>& ops_;
  std::size_t from_, to_;
  std::vector<Line> lines_;
  Run line_;
  std::optional<Fraction> fraction_;
  std::size_t first_ = 0, end_ = 0;
};

// --- The markup as read ---------------------------------------------------------------------------

// The next character of a code page 932 text at byte i.
std::string charAt(const std::string& s, std::size_t i) {
  const std::size_t n = isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
  return s.substr(i, n);
}

// Characters as the glyph routine turns them into what it draws, with the markup flags that
// carry from one character to the next.
class MarkupReading {
 public:
  explicit MarkupReading(bool inFraction) : inFraction_(inFraction) {}

  void character(const std::string& drawn) {
    const std::string ch = substituted(drawn);
    if (ch == "^") {
      exponent_ = true;
    } else if (ch == "\\") {
      index_ = true;
    } else if (ch == "ﾝ") {
      if (rootOpen_) out_ += "ﾝ";
      rootOpen_ = false;
    } else if (ch == "!" || ch == "#") {
      if (rootOpen_) out_ += "ﾝ";
      out_ += ch;
      rootOpen_ = true;
    } else if (isOneOf(ch, {".", "'", "°", "="})) {
      out_ += ch;  // a pending exponent or index waits for the character after these
    } else if (index_) {
      out_ += "\\" + ch;
      index_ = false;
    } else if (exponent_) {
      out_ += "^" + ch;
      exponent_ = false;
    } else {
      out_ += ch;
    }
  }
  void exponent() { exponent_ = true; }
  void raw(const std::string& text) { out_ += text; }

  std::string finished() {
    if (rootOpen_) out_ += "ﾝ";
    rootOpen_ = false;
    return out_;
  }

 private:
  // What the glyph routine draws for a character: "%", "*", "/", "@" as °, ×, ÷, ±, and every
  // root sign as "!", the tall one too inside a fraction (it cannot stand there).
  std::string substituted(const std::string& ch) const {
    static const std::pair<const char*, const char*> marks[] = {{"%", "°"}, {"*", "×"}, {"/", "÷"},
                                                                {"@", "±"}, {"!", "!"}, {"√", "!"}};
    for (const auto& [from, to] : marks)
      if (ch == from) return to;
    return ch == "#" && inFraction_ ? "!" : ch;
  }

  bool inFraction_;
  bool exponent_ = false, index_ = false, rootOpen_ = false;
  std::string out_;
};

std::string partAsRead(const std::string& part) {
  MarkupReading reading(true);
  for (std::size_t i = 0; i < part.size();) {
    const std::string ch = charAt(part, i);
    reading.character(ch);
    i += ch.size();
  }
  return reading.finished();
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string Line::utf8() const { return toUtf8(text); }

std::vector<Line> readLines(const std::vector<Op>& ops, std::size_t from, std::size_t to) {
  if (to > ops.size()) to = ops.size();
  if (from >= to) return {};
  return Reader(ops, from, to).read();
}

std::string asRead(const std::string& markup) {
  MarkupReading reading(false);
  for (std::size_t i = 0; i < markup.size();) {
    const std::string ch = charAt(markup, i);
    i += ch.size();
    if (ch == "^") {
      reading.exponent();
    } else if (ch == "ﾀ") {
      // A fraction runs to the next "ﾀ", split at its first "/"; a "ﾀ" without one draws nothing.
      const std::size_t close = markup.find("ﾀ", i);
      if (close == std::string::npos) continue;
      const std::string inside = markup.substr(i, close - i);
      const std::size_t split = inside.find('/');
      const std::string numerator = split == std::string::npos ? inside : inside.substr(0, split);
      const std::string denominator = split == std::string::npos ? "" : inside.substr(split + 1);
      reading.raw("ﾀ" + trimmed(partAsRead(numerator)) + "/" + trimmed(partAsRead(denominator)) + "ﾀ");
      i = close + std::string("ﾀ").size();
    } else {
      reading.character(ch);
    }
  }
  return trimmed(reading.finished());
}

std::string asReadPlain(const std::string& text) { return trimmed(text); }

int leadingBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return static_cast<int>(first == std::string::npos ? text.size() : first);
}

std::size_t afterKeys(const std::vector<Op>& ops, int presses) {
  std::size_t i = 0;
  for (int seen = 0; seen < presses && i < ops.size(); ++i) seen += ops[i].kind == OpKind::Key;
  return i;
}

std::vector<Line> linesOfStep(const std::vector<Op>& ops, int presses) {
  return readLines(ops, afterKeys(ops, presses), afterKeys(ops, presses + 1));
}

std::vector<Line> within(const std::vector<Line>& lines, float left, float top, float right, float bottom) {
  std::vector<Line> found;
  for (const Line& line : lines)
    if (line.x >= left && line.x <= right && line.y >= top && line.y <= bottom) found.push_back(line);
  return found;
}

std::vector<Line> joined(const std::vector<Line>& lines) {
  std::vector<Line> rows;
  for (const Line& line : lines) {
    if (!rows.empty()) {
      Line& last = rows.back();
      const float blank = last.blank();
      const float gap = line.x - last.right;
      const float blanks = std::round(gap / blank);
      if (line.kind == last.kind && near(line.y, last.y) && blanks >= 0 && blanks <= 12 &&
          std::fabs(gap - blanks * blank) < 0.01f) {
        last.text += std::string(static_cast<std::size_t>(blanks), ' ') + line.text;
        last.right = line.right;
        last.end = line.end;
        continue;
      }
    }
    rows.push_back(line);
  }
  return rows;
}

std::string describe(const Line& line) {
  std::ostringstream out;
  out << "(" << line.x << "," << line.y << ") c" << line.colour
      << (line.kind == Kind::Plain    ? " plain"
          : line.kind == Kind::Prompt ? " prompt"
                                      : "")
      << " \"" << line.utf8() << "\"";
  return out.str();
}

std::string describe(const std::vector<Line>& lines) {
  std::string all;
  for (const Line& line : lines) all += "\n  " + describe(line);
  return all;
}

}  // namespace reading
