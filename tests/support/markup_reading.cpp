// The markup a lesson writes as the line reader reads it once the typesetter has drawn it.
#include "engine/strings.h"
#include "support/line_reader.h"

namespace reading {

namespace {

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
    } else if (ch == "." || ch == "'" || ch == "°" || ch == "=") {
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

int trailingBlanks(const std::string& text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string::npos ? 0 : static_cast<int>(text.size() - 1 - last);
}

}  // namespace reading
