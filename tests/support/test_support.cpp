#include "support/test_support.h"

#include <algorithm>
#include <filesystem>

#include "engine/strings.h"

namespace {
std::function<void()> routineBody;
void routineMenu() { routineBody(); }
}  // namespace

std::string outputPath(const std::string& name) {
  std::filesystem::create_directories(TEST_OUTPUT_DIR);
  return (std::filesystem::path(TEST_OUTPUT_DIR) / name).string();
}

HeadlessResult runScript(const ProgramInfo& program, const std::string& keys, const std::string& time,
                         const std::string& pngName) {
  HeadlessOptions options;
  options.keys = keys;
  options.time = time;
  if (!pngName.empty()) options.pngPath = outputPath(pngName);
  return runHeadless(program, options);
}

HeadlessResult runRoutine(const std::function<void()>& body, const std::string& keys, const std::string& pngName) {
  routineBody = body;
  const ProgramInfo program{"Test", routineMenu, false};
  return runScript(program, keys, "00:00:00", pngName);
}

std::vector<Op> drawn(const HeadlessResult& run) {
  std::vector<Op> ops;
  for (const Op& op : run.ops)
    if (op.kind != OpKind::Key) ops.push_back(op);
  return ops;
}

std::vector<Op> textsEqual(const HeadlessResult& run, const std::string& text) {
  std::vector<Op> ops;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Text && op.text == toUtf8(text)) ops.push_back(op);
  return ops;
}

std::vector<Op> textsContaining(const HeadlessResult& run, const std::string& part) {
  std::vector<Op> ops;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Text && op.text.find(toUtf8(part)) != std::string::npos) ops.push_back(op);
  return ops;
}

std::string allText(const HeadlessResult& run) {
  std::string all;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Text) all += op.text;
  return all;
}

std::string steps(int n) { return std::string(static_cast<std::size_t>(n), 'k'); }

std::string clockFor(int seed) {
  const int hours = std::min(seed, 23), minutes = std::min(seed - hours, 59), seconds = seed - hours - minutes;
  const auto twoDigits = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
  return twoDigits(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
}
