// Names of parameterised test cases, the same in every build: made from what a case means (its
// keys, its line, its page), never from the bytes of its parameter.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

// A text as a test name: letters and digits kept, "." "/" "-" "+" "*" "^" "=" written as point,
// over, minus, plus, times, pow, eq, a run of bytes beyond ASCII (code-page-932 text) as their
// hex digits, anything else (a blank, an Enter, a bracket) as one "_" between the others; ""
// is "empty". "12/3" is "12over3", "-2.5" "minus2point5", the keys "1\n2\n" "1_2",
// "(x+3)(x-2)" "xplus3_xminus2".
inline std::string testName(std::string_view text) {
  static constexpr char HEX[] = "0123456789ABCDEF";
  std::string name;
  const auto separate = [&name] {
    if (!name.empty() && name.back() != '_') name += '_';
  };
  bool wide = false;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 0x80) != wide) separate();
    wide = byte >= 0x80;
    if (wide) {
      name += HEX[byte >> 4];
      name += HEX[byte & 0xF];
    } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      name += c;
    } else {
      switch (c) {
        case '.': name += "point"; break;
        case '/': name += "over"; break;
        case '-': name += "minus"; break;
        case '+': name += "plus"; break;
        case '*': name += "times"; break;
        case '^': name += "pow"; break;
        case '=': name += "eq"; break;
        default: separate(); break;
      }
    }
  }
  if (!name.empty() && name.back() == '_') name.pop_back();
  return name.empty() ? "empty" : name;
}

// The name generator of a suite whose parameter is a text: a clock, a program's name.
inline std::string textParamName(const testing::TestParamInfo<const char*>& info) { return testName(info.param); }

// The name of a case that types an entry, never taken for an index: "12/3" is "Typed12over3", ""
// "TypedNothing".
inline std::string typedName(std::string_view entry) {
  return entry.empty() ? "TypedNothing" : "Typed" + testName(entry);
}
