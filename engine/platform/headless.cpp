#include "headless.h"

#include <cstdio>
#include <deque>
#include <filesystem>

#include "../strings.h"
#include "canvas.h"
#include "render.h"

namespace {

// Polls for a key that find the script spent before the run is taken to have ended. Any wait
// polls far more often than this; a routine that merely checks for a waiting key polls once.
constexpr int EMPTY_POLLS_AT_END = 64;

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend(const HeadlessOptions& options) : options_(options) {
    for (auto& key : parseKeys(options.keys)) keys_.push_back(std::move(key));
  }

  std::string pollKey() override {
    takeShot();
    if (!keys_.empty()) {
      emptyPolls_ = 0;
      std::string key = std::move(keys_.front());
      keys_.pop_front();
      return key;
    }
    if (++emptyPolls_ >= EMPTY_POLLS_AT_END) throw ProgramEnd{};
    return "";
  }

  std::string clockText() override { return options_.time; }

  void idle() override {
    takeShot();
    throw ProgramEnd{};
  }

  int shots() const { return shots_; }

 private:
  // A picture whenever the canvas has changed since the last one.
  void takeShot() {
    if (options_.shotsDir.empty()) return;
    const std::uint64_t picture = canvas().fingerprint();
    if (shots_ > 0 && picture == shotPicture_) return;
    shotPicture_ = picture;
    char name[32];
    std::snprintf(name, sizeof name, "shot-%03d.png", ++shots_);
    writeCanvasPng((std::filesystem::path(options_.shotsDir) / name).string());
  }

  const HeadlessOptions& options_;
  std::deque<std::string> keys_;
  int emptyPolls_ = 0;
  int shots_ = 0;
  std::uint64_t shotPicture_ = 0;
};

bool isUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += n;
  }
  return true;
}

}  // namespace

std::vector<std::string> parseKeys(const std::string& script) {
  std::string plain;
  for (std::size_t i = 0; i < script.size(); ++i) {
    if (script[i] != '\\' || i + 1 == script.size()) {
      plain += script[i] == '\n' ? '\r' : script[i];  // a raw newline is Enter too
      continue;
    }
    switch (script[++i]) {
      case 'n':
      case 'r': plain += '\r'; break;
      case 'b': plain += '\b'; break;
      case 'f': plain += '\f'; break;
      case 'e': plain += '\x1b'; break;
      default: plain += script[i]; break;
    }
  }
  // A shell passes UTF-8; a test may pass code page 932 literals, which are not valid UTF-8.
  const std::string bytes = isUtf8(plain) ? fromUtf8(plain) : plain;
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const bool wide = isLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size();
    keys.push_back(bytes.substr(i, wide ? 2 : 1));
    if (wide) ++i;
  }
  return keys;
}

HeadlessResult runHeadless(const ProgramInfo& program, const HeadlessOptions& options) {
  if (!options.shotsDir.empty()) std::filesystem::create_directories(options.shotsDir);
  Canvas& c = canvas();
  c.logging = true;
  c.resetLog();
  HeadlessBackend headless(options);
  installBackend(&headless);
  runProgram(program);
  installBackend(nullptr);
  if (!options.pngPath.empty()) writeCanvasPng(options.pngPath);
  HeadlessResult result;
  result.ops = c.log();
  result.error = lastRuntimeError();
  result.shots = headless.shots();
  return result;
}
