#include "section4_reading.h"

#include <gtest/gtest.h>

#include <cctype>

#include "engine/strings.h"
#include "support/page_lines.h"

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

std::string lineIn(const std::vector<reading::Line>& screen, float x1, float y1, float x2, float y2) {
  const std::vector<reading::Line> rows = page::rowsIn(screen, x1, y1, x2, y2);
  EXPECT_LE(rows.size(), 1u) << "one row expected in (" << x1 << "," << y1 << ")-(" << x2 << "," << y2
                             << "):" << reading::describe(rows);
  return rows.empty() ? "" : rows.front().text;
}

PairTable tableAt(const std::vector<reading::Line>& screen, float x0, float y0) {
  PairTable table{0, 0, {}};
  const std::string product = lineIn(screen, x0, y0, x0 + 263, y0 + 49);
  const std::string sum = lineIn(screen, x0 + 264, y0, x0 + 483, y0 + 49);
  const std::string productHead = "積が", sumHead = "和が";
  if (product.rfind(productHead, 0) != 0 || sum.rfind(sumHead, 0) != 0) {
    ADD_FAILURE() << "no table header at (" << x0 << "," << y0 << "): [" << toUtf8(product) << "] ["
                  << toUtf8(sum) << "]";
    return table;
  }
  table.product = std::stoi(product.substr(productHead.size()));
  table.sum = std::stoi(sum.substr(sumHead.size()));
  for (float y = y0 + 50;; y += 50) {
    std::string pair = lineIn(screen, x0, y, x0 + 263, y + 49);
    if (pair.empty()) break;
    const std::string joint = "と";
    const std::size_t at = pair.find(joint);
    if (at == std::string::npos) {
      ADD_FAILURE() << "row at y " << y << " reads [" << toUtf8(pair) << "]";
      break;
    }
    std::string second = pair.substr(at + joint.size());
    pair.erase(at);
    table.rows.push_back({takeNumber(pair), takeNumber(second), lineIn(screen, x0 + 264, y, x0 + 483, y + 49)});
  }
  return table;
}

std::vector<int> numbersIn(const std::string& text) {
  std::vector<int> numbers;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool sign = (text[i] == '+' || text[i] == '-') && i + 1 < text.size() &&
                      std::isdigit(static_cast<unsigned char>(text[i + 1]));
    if (!sign && !std::isdigit(static_cast<unsigned char>(text[i]))) continue;
    std::size_t used = 0;
    numbers.push_back(std::stoi(text.substr(i), &used));
    i += used - 1;
  }
  return numbers;
}

}  // namespace section4_test
