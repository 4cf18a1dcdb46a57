// Builds the lines from the glyphs and strokes read one operation at a time, and the helpers that
// slice and join them.
#include "support/line_reader.h"

#include <cmath>
#include <optional>
#include <sstream>

#include "engine/strings.h"
#include "support/glyph_reading.h"

namespace reading {

namespace {

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
    return colourOfT == colour && fits(t.metrics) && samePlace(t.ty, y) && blanksBefore(t.tx) >= 0;
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
    if (root == 0 || !samePlace(barY, y - static_cast<float>(root))) return false;
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
    if (samePlace(t.ty, y - 10)) {
      run = &numerator;
    } else if (!numerator.started && (samePlace(t.ty, y + 28) || samePlace(t.ty, y + 36) || samePlace(t.ty, y + 44))) {
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
          samePlace(op.y1, f.y - 14) && samePlace(op.x1, f.x) && samePlace(op.x2, f.x + f.width)) {
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

}  // namespace

std::string Line::utf8() const { return toUtf8(text); }

std::vector<Line> readLines(const std::vector<Op>& ops, std::size_t from, std::size_t to) {
  if (to > ops.size()) to = ops.size();
  if (from >= to) return {};
  return Reader(ops, from, to).read();
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
      if (line.kind == last.kind && samePlace(line.y, last.y) && blanks >= 0 && blanks <= 12 &&
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
