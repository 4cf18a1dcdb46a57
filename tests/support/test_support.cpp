#include "support/test_support.h"

#include <gtest/gtest-spi.h>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "engine/strings.h"
#include "support/over_seeds.h"

namespace {
std::function<void()> routineBody;
void routineMenu() { routineBody(); }
}  // namespace

std::string outputPath(const std::string& name) {
  std::filesystem::create_directories(TEST_OUTPUT_DIR);
  return (std::filesystem::path(TEST_OUTPUT_DIR) / name).string();
}

bool picturesAsked() {
  const char* asked = std::getenv("TEST_PICTURES");
  return asked != nullptr && std::string(asked) == "1";
}

std::string picturePath(const std::string& name, Seen seen) {
  return seen == Seen::ByTest || picturesAsked() ? outputPath(name) : "";
}

HeadlessResult runScript(const ProgramInfo& program, const std::string& keys, const std::string& time,
                         const std::string& pngName) {
  HeadlessOptions options;
  options.keys = keys;
  options.time = time;
  if (!pngName.empty()) options.pngPath = picturePath(pngName);
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

void overSeedClocks(const std::function<void(const std::string& clock)>& check) {
  // The failing seeds whose messages are shown; the list at the end names them all.
  constexpr std::size_t SEEDS_SHOWN = 5;
  std::vector<int> failing;
  for (const int seed : sweptSeeds()) {
    const std::string clock = clockFor(seed);
    // The seed's failures are held back and reported below with the seed that made them.
    testing::TestPartResultArray results;
    std::string thrown;
    {
      const testing::ScopedFakeTestPartResultReporter holdBack(
          testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
      try {
        check(clock);
      } catch (const std::exception& e) {
        thrown = e.what();
      }
    }
    std::vector<testing::TestPartResult> failures;
    for (int i = 0; i < results.size(); ++i)
      if (results.GetTestPartResult(i).failed()) failures.push_back(results.GetTestPartResult(i));
    if (failures.empty() && thrown.empty()) continue;
    failing.push_back(seed);
    if (failing.size() > SEEDS_SHOWN) continue;
    const std::string where = "seed " + std::to_string(seed) + " (clock " + clock + "): ";
    const std::size_t shown = failing.size() == 1 ? failures.size() : std::min<std::size_t>(failures.size(), 1);
    for (std::size_t i = 0; i < shown; ++i) {
      const std::size_t more = i + 1 == shown ? failures.size() - shown : 0;
      ADD_FAILURE_AT(failures[i].file_name(), failures[i].line_number())
          << where << failures[i].message()
          << (more > 0 ? "\n(and " + std::to_string(more) + " more at this seed)" : "");
    }
    if (!thrown.empty()) ADD_FAILURE() << where << "exception thrown: " << thrown;
  }
  if (failing.empty()) return;
  std::string seeds;
  for (const int seed : failing) seeds += (seeds.empty() ? "" : ", ") + std::to_string(seed);
  ADD_FAILURE() << "failing seeds: " << seeds << " (" << failing.size() << " of " << sweptSeeds().size()
                << "; the messages of the first " << std::min(failing.size(), SEEDS_SHOWN) << " above)";
}
