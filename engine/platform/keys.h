// Key presses from typed text: the window's text input and the headless key scripts read
// characters the same way, one key press per character.
#pragma once

#include <string>
#include <vector>

// The text of a key that types nothing a lesson can show: an arrow, a function key, or a
// character the code page lacks. It still ends a step wait.
inline constexpr const char* OTHER_KEY = "\x1c";

// The key presses of a text typed in UTF-8, one per character, each in code page 932; a
// character the code page lacks is one OTHER_KEY, however many bytes it takes.
std::vector<std::string> keysOfUtf8(const std::string& utf8);

// A key script read one key press at a time, so a script of any length costs no more than its
// text: \n or \r is Enter, \b Backspace, \f character 12, \e Escape, \\ a backslash, and a
// raw newline is Enter too. The script is UTF-8 as a shell passes it, or code page 932 (a
// test's narrow literals) when it is not valid UTF-8.
class KeyScript {
 public:
  explicit KeyScript(std::string script);
  // The next key press in code page 932, "" once the script is spent.
  std::string next();

 private:
  std::string script_;
  std::size_t at_ = 0;
  bool utf8_;
};
