#include "section4_reading.h"

#include <gtest/gtest.h>

#include <cctype>

#include "engine/strings.h"
#include "fenwist_support.h"

namespace section4_test {
namespace {

// The whole number at the start of text (a sign allowed); the text read goes.
int takeNumber(std::string& text) {
  std::size_t end = 0;
  const int n = std::stoi(text, &end);
  text.erase(0, end);
  return n;
}

}  // namespace

std::string lineIn(const std::vector<Op>& ops, std::size_t to, float x1, float y1, float x2, float y2) {
  const auto lines = fenwist_test::screenLines(ops, to, x1, y1, x2, y2);
  EXPECT_LE(lines.size(), 1u) << "one line expected in (" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ")";
  return lines.empty() ? "" : lines.begin()->second;
}

PairTable tableAt(const std::vector<Op>& ops, std::size_t to, float x0, float y0) {
  PairTable table{0, 0, {}};
  const std::string product = lineIn(ops, to, x0, y0, x0 + 263, y0 + 49);
  const std::string sum = lineIn(ops, to, x0 + 264, y0, x0 + 483, y0 + 49);
  const std::string productHead = toUtf8("積が"), sumHead = toUtf8("和が");
  if (product.rfind(productHead, 0) != 0 || sum.rfind(sumHead, 0) != 0) {
    ADD_FAILURE() << "no table header at (" << x0 << "," << y0 << "): [" << product << "] [" << sum << "]";
    return table;
  }
  table.product = std::stoi(product.substr(productHead.size()));
  table.sum = std::stoi(sum.substr(sumHead.size()));
  for (float y = y0 + 50;; y += 50) {
    std::string pair = lineIn(ops, to, x0, y, x0 + 263, y + 49);
    if (pair.empty()) break;
    const std::string joint = toUtf8("と");
    const std::size_t at = pair.find(joint);
    if (at == std::string::npos) {
      ADD_FAILURE() << "row at y " << y << " reads [" << pair << "]";
      break;
    }
    std::string second = pair.substr(at + joint.size());
    pair.erase(at);
    table.rows.push_back({takeNumber(pair), takeNumber(second), lineIn(ops, to, x0 + 264, y, x0 + 483, y + 49)});
  }
  return table;
}

std::vector<int> numbersIn(const std::string& text) {
  std::vector<int> numbers;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool sign = (text[i] == '+' || text[i] == '-') && i + 1 < text.size() && std::isdigit(text[i + 1]);
    if (!sign && !std::isdigit(static_cast<unsigned char>(text[i]))) continue;
    std::size_t used = 0;
    numbers.push_back(std::stoi(text.substr(i), &used));
    i += used - 1;
  }
  return numbers;
}

}  // namespace section4_test
