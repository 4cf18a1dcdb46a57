#include "keys.h"

#include "../strings.h"

namespace {

// The length of the UTF-8 sequence a byte starts, 0 for a byte that starts none.
std::size_t sequenceLength(unsigned char b) {
  return b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
}

bool isUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = sequenceLength(static_cast<unsigned char>(s[i]));
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += n;
  }
  return true;
}

// One UTF-8 character as the key it types: the character in code page 932, or OTHER_KEY when
// the code page lacks it (the conversion then gives placeholders, one per byte).
std::string keyOfCharacter(const std::string& utf8) {
  const std::string key = fromUtf8(utf8);
  const bool single = key.size() == 1 && !isLeadByte(static_cast<unsigned char>(key[0]));
  const bool wide = key.size() == 2 && isLeadByte(static_cast<unsigned char>(key[0]));
  if ((single && (key != "?" || utf8 == "?")) || wide) return key;
  return OTHER_KEY;
}

// The length of the character at i of a UTF-8 text; a stray byte counts as one.
std::size_t characterLength(const std::string& s, std::size_t i) {
  const std::size_t n = sequenceLength(static_cast<unsigned char>(s[i]));
  return n == 0 || i + n > s.size() ? 1 : n;
}

}  // namespace

std::vector<std::string> keysOfUtf8(const std::string& utf8) {
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t n = characterLength(utf8, i);
    keys.push_back(keyOfCharacter(utf8.substr(i, n)));
    i += n;
  }
  return keys;
}

KeyScript::KeyScript(std::string script) : script_(std::move(script)), utf8_(isUtf8(script_)) {}

std::string KeyScript::next() {
  if (at_ >= script_.size()) return "";
  if (script_[at_] == '\\' && at_ + 1 < script_.size()) {
    ++at_;
    const char* special = nullptr;
    switch (script_[at_]) {
      case 'n':
      case 'r': special = "\r"; break;
      case 'b': special = "\b"; break;
      case 'f': special = "\f"; break;
      case 'e': special = "\x1b"; break;
      default: break;  // any other character stands for itself
    }
    if (special != nullptr) {
      ++at_;
      return special;
    }
  }
  if (script_[at_] == '\n') {
    ++at_;
    return "\r";
  }
  if (utf8_) {
    const std::size_t n = characterLength(script_, at_);
    at_ += n;
    return keyOfCharacter(script_.substr(at_ - n, n));
  }
  const bool wide = isLeadByte(static_cast<unsigned char>(script_[at_])) && at_ + 1 < script_.size();
  const std::size_t n = wide ? 2 : 1;
  at_ += n;
  return script_.substr(at_ - n, n);
}
