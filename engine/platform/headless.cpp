#include "headless.h"

#include <cstdio>
#include <filesystem>

#include "canvas.h"
#include "hang_watch.h"
#include "keys.h"
#include "render.h"

namespace {

// Polls for a key that find the script spent before the run is taken to have ended. Any wait
// polls far more often than this; a routine that merely checks for a waiting key polls once.
constexpr int EMPTY_POLLS_AT_END = 64;

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend(const HeadlessOptions& options)
      : options_(options), script_(options.keys), watch_(options.hangSeconds) {}

  std::string pollKey() override {
    watch_.polling();
    takeShot();
    std::string key = options_.keySource ? options_.keySource() : script_.next();
    keys_ += !key.empty();
    watch_.polled(keys_, options_.where ? options_.where() : "");
    if (!key.empty()) {
      emptyPolls_ = 0;
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
  KeyScript script_;
  HangWatch watch_;
  std::uint64_t keys_ = 0;
  int emptyPolls_ = 0;
  int shots_ = 0;
  std::uint64_t shotPicture_ = 0;
};

}  // namespace

std::vector<std::string> parseKeys(const std::string& script) {
  std::vector<std::string> keys;
  KeyScript reader(script);
  for (std::string key = reader.next(); !key.empty(); key = reader.next()) keys.push_back(std::move(key));
  return keys;
}

HeadlessResult runHeadless(const ProgramInfo& program, const HeadlessOptions& options) {
  if (!options.shotsDir.empty()) std::filesystem::create_directories(options.shotsDir);
  Canvas& c = canvas();
  c.logging = options.keepOps;
  c.logOut = options.opsOut;
  c.resetLog();
  HeadlessBackend headless(options);
  installBackend(&headless);
  runProgram(program);
  installBackend(nullptr);
  c.logOut = nullptr;
  if (options.opsOut) options.opsOut->flush();
  if (!options.pngPath.empty()) writeCanvasPng(options.pngPath, options.pngWidth, options.pngHeight);
  HeadlessResult result;
  result.ops = c.takeLog();
  result.error = lastRuntimeError();
  result.shots = headless.shots();
  return result;
}
