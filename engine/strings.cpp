#include "strings.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <vector>

#include "runtime.h"

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

namespace {

int count(float n, SLoc where) {
  const int i = ROUNDED(n, where);
  if (i < 0) raiseError(ErrorCode::IllegalArgument, where);
  return i;
}

int position(float p, SLoc where) {
  const int i = ROUNDED(p, where);
  if (i < 1) raiseError(ErrorCode::IllegalArgument, where);
  return i;
}

// Byte offsets where each character starts, plus the end of the text.
std::vector<std::size_t> charStarts(const std::string& s) {
  std::vector<std::size_t> starts;
  std::size_t i = 0;
  while (i < s.size()) {
    starts.push_back(i);
    i += (isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
  }
  starts.push_back(s.size());
  return starts;
}

// One converter per direction, opened once: texts are converted for every drawn glyph run.
struct Converter {
  iconv_t cd;
  Converter(const char* to, const char* from) : cd(iconv_open(to, from)) {}
  ~Converter() {
    if (usable()) iconv_close(cd);
  }
  bool usable() const { return cd != reinterpret_cast<iconv_t>(-1); }
};

std::string convert(const std::string& in, Converter& converter) {
  if (!converter.usable()) return in;
  iconv_t cd = converter.cd;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state for every text
  std::string out;
  char buffer[256];
  char* src = const_cast<char*>(in.data());
  std::size_t left = in.size();
  while (left > 0) {
    char* dst = buffer;
    std::size_t room = sizeof buffer;
    if (iconv(cd, &src, &left, &dst, &room) == static_cast<std::size_t>(-1) && dst == buffer) {
      if (errno == E2BIG) continue;
      out += '?';  // a byte the code page cannot map: show a placeholder and go on
      ++src;
      --left;
      continue;
    }
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
  }
  return out;
}

std::string formatNumber(float v) {
  if (v == 0.0f) return "0";  // also negative zero
  char text[64];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(v));
  std::string s = text;
  if (s.find('e') == std::string::npos) return s;
  // Outside %g's plain range: the same 7 significant digits, written out in full.
  std::snprintf(text, sizeof text, "%.6e", static_cast<double>(v));
  const std::string e = text;
  const bool negative = e[0] == '-';
  const std::size_t mark = e.find('e');
  std::string digits = e.substr(negative ? 1 : 0, mark - (negative ? 1 : 0));
  digits.erase(1, 1);  // drop the point: d.dddddd -> ddddddd
  const int exponent = std::stoi(e.substr(mark + 1));
  std::string plain;
  if (exponent >= 0) {
    plain = digits + std::string(static_cast<std::size_t>(std::max(0, exponent - 6)), '0');
    if (exponent < 6) plain.insert(static_cast<std::size_t>(exponent) + 1, ".");
  } else {
    plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  if (plain.find('.') != std::string::npos) {
    while (plain.back() == '0') plain.pop_back();
    if (plain.back() == '.') plain.pop_back();
  }
  return negative ? "-" + plain : plain;
}

}  // namespace

int PfLEN(const std::string& s) { return static_cast<int>(s.size()); }

std::string PfLEFT24(const std::string& s, float n, SLoc where) { return s.substr(0, static_cast<std::size_t>(count(n, where))); }

std::string PfRIGHT24(const std::string& s, float n, SLoc where) {
  const std::size_t k = static_cast<std::size_t>(count(n, where));
  return k >= s.size() ? s : s.substr(s.size() - k);
}

std::string PfMID24(const std::string& s, float start, SLoc where) {
  const std::size_t from = static_cast<std::size_t>(position(start, where)) - 1;
  return from >= s.size() ? "" : s.substr(from);
}

std::string PfMID24(const std::string& s, float start, float n, SLoc where) {
  const std::size_t from = static_cast<std::size_t>(position(start, where)) - 1;
  const std::size_t k = static_cast<std::size_t>(count(n, where));
  return from >= s.size() ? "" : s.substr(from, k);
}

int PfINSTR(const std::string& text, const std::string& sought, float from, SLoc where) {
  const std::size_t start = static_cast<std::size_t>(position(from, where)) - 1;
  if (start > text.size()) return 0;
  const std::size_t at = text.find(sought, start);
  return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

int PfKLEN(const std::string& s) { return static_cast<int>(charStarts(s).size()) - 1; }

std::string PfKLEFT24(const std::string& s, float n, SLoc where) {
  const auto starts = charStarts(s);
  const std::size_t k = std::min(static_cast<std::size_t>(count(n, where)), starts.size() - 1);
  return s.substr(0, starts[k]);
}

std::string PfKRIGHT24(const std::string& s, float n, SLoc where) {
  const auto starts = charStarts(s);
  const std::size_t chars = starts.size() - 1;
  const std::size_t k = std::min(static_cast<std::size_t>(count(n, where)), chars);
  return s.substr(starts[chars - k]);
}

std::string PfKMID24(const std::string& s, float start, SLoc where) {
  const auto starts = charStarts(s);
  const std::size_t from = static_cast<std::size_t>(position(start, where)) - 1;
  return from + 1 >= starts.size() ? "" : s.substr(starts[from]);
}

std::string PfKMID24(const std::string& s, float start, float n, SLoc where) {
  const auto starts = charStarts(s);
  const std::size_t chars = starts.size() - 1;
  const std::size_t from = static_cast<std::size_t>(position(start, where)) - 1;
  const std::size_t k = static_cast<std::size_t>(count(n, where));
  if (from >= chars) return "";
  const std::size_t to = std::min(chars, from + k);
  return s.substr(starts[from], starts[to] - starts[from]);
}

int PfKINSTR(const std::string& text, const std::string& sought, float from, SLoc where) {
  const auto starts = charStarts(text);
  const std::size_t first = static_cast<std::size_t>(position(from, where)) - 1;
  // Only matches that begin on a character boundary count, so a trail byte never matches.
  for (std::size_t c = first; c + 1 < starts.size(); ++c)
    if (text.compare(starts[c], sought.size(), sought) == 0) return static_cast<int>(c) + 1;
  if (sought.empty() && first <= starts.size() - 1) return static_cast<int>(first) + 1;
  return 0;
}

std::string PfSTR244(float v, SLoc where) {
  const std::string digits = formatNumber(CHECKED(v, where));
  return digits[0] == '-' ? digits : " " + digits;
}

std::string PfSTR248(float v, SLoc where) { return PfSTR244(v, where); }

float PfVAL(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  std::string number;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) number += s[i++];
  bool point = false;
  bool digit = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digit = true;
      number += c;
    } else if (c == '.' && !point) {
      point = true;
      number += c;
    } else {
      break;
    }
  }
  if (!digit) return 0.0f;
  const float v = std::strtof(number.c_str(), nullptr);
  return std::isfinite(v) ? v : 0.0f;
}

std::string PfCHR24(float code, SLoc where) {
  const int c = ROUNDED(code, where);
  if (c < 0 || c > 255) raiseError(ErrorCode::IllegalArgument, where);
  return std::string(1, static_cast<char>(c));
}

int PfASC(const std::string& s, SLoc where) {
  if (s.empty()) raiseError(ErrorCode::IllegalArgument, where);
  return static_cast<unsigned char>(s[0]);
}

std::string toUtf8(const std::string& cp932) {
  static Converter converter("UTF-8", "CP932");
  return convert(cp932, converter);
}

std::string fromUtf8(const std::string& utf8) {
  static Converter converter("CP932", "UTF-8");
  return convert(utf8, converter);
}
