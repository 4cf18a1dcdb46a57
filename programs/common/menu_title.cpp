#include "menu_title.h"

#include "engine/engine.h"

namespace common {
namespace {

std::string fullWidth(const std::string& text) {
  std::string wide;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int code = 0;  // the double-byte code of a half-width letter or digit
    if (c >= '0' && c <= '9') code = 0x824F + (c - '0');
    if (c >= 'A' && c <= 'Z') code = 0x8260 + (c - 'A');
    if (c >= 'a' && c <= 'z') code = 0x8281 + (c - 'a');
    if (code != 0) {
      wide.push_back(static_cast<char>(code >> 8));
      wide.push_back(static_cast<char>(code & 0xFF));
    } else {
      wide.push_back(text[i]);
      if (isLeadByte(c) && i + 1 < text.size()) wide.push_back(text[++i]);
    }
  }
  return wide;
}

}  // namespace

std::string menuTitle() { return "＜" + fullWidth(TITLE_S) + "　メニュー＞"; }

}  // namespace common
