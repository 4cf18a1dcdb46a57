#include "scene_walk.h"

#include <cstddef>

#include "engine/platform/keys.h"

namespace {

// Key scripts (engine/platform/keys.h), one entry or key each. This file's narrow literals are
// code page 932; a key the script gives in UTF-8 is written u8.
std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// Entries no number prompt takes: nothing, a value out of every range, no value at all (a
// division by 0, a lone sign or point, a letter that is dropped), an entry cleared by Backspace
// or character 12, and ten characters, which the Enter after them clears (the entry goes on).
const std::string BAD_CHOICES[] = {"\\n",   "0\\n",    "99\\n", "-2\\n", "1/0\\n", "3\\b\\n",
                                   "5\\f\\n", "1234567890\\n", "-\\n",  ".\\n",  "x\\n"};
const std::string BAD_CARDS[] = {"0\\n", "14\\n", "-3\\n", "\\n", "1/0\\n", "13.5\\n", "0.5\\n", "7\\b\\n"};
const std::string BAD_NEXT_STEPS[] = {"\\n",     "2\\n",  "0\\n",   "-1\\n",           "1/0\\n",
                                      "1\\b\\n", "11\\n", "0.5\\n", "1234567890\\n", "x\\n"};
// Pairs of cards from 1 to 13 for the card trick's two questions, the larger card asked first:
// by turns the larger typed first, the two equal and the smaller first; cards written as a
// fraction (6/2 is 3) or a decimal among them.
const std::string CARD_PAIRS[][2] = {{"13\\n", "2\\n"}, {"7\\n", "7\\n"},    {"1\\n", "12\\n"},
                                     {"9\\n", "6/2\\n"}, {"13\\n", "13\\n"}, {"4.0\\n", "10\\n"},
                                     {"11\\n", "5\\n"},  {"1\\n", "1\\n"},    {"8\\n", "9\\n"}};
// The ways of typing the 1 that leaves a practice loop.
const std::string GOOD_NEXT_STEPS[] = {"1\\n", "2/2\\n", "01\\n", "1.0\\n"};
// Any key ends a step wait: Enter, digits, letters, signs, Escape, Backspace, character 12, a
// double-byte character and one the code page lacks.
const std::string STEP_KEYS[] = {"x",   "\\n", "1",  " ", "\\e", "\\b",      "0",      utf8(u8"あ"),
                                 "\\f", "-",   "Q", ".", "/",   utf8(u8"😀"), "\\\\"};

template <std::size_t N>
const std::string& turned(const std::string (&list)[N], unsigned& turn) {
  return list[turn++ % N];
}

// Problems a practice loop is taken to, by turns: at least 3, so that a fault of the 3rd shows.
constexpr int FEWEST_PROBLEMS = 3;
constexpr int PROBLEM_COUNTS = 3;  // 3, 4 and 5

// A menu item typed as a decimal, as a fraction, or as its number, now and then with a leading
// 0: a/b at a sub-menu, which takes the quotient, k/1 at the main menu, which takes the number the
// entry starts with and tests the quotient. The form turns with the items typed at that kind of
// menu and with the walk's turn, so that the walks at turns 0, 1 and 2 type every item in each of
// the three forms.
std::string itemEntry(int item, unsigned typed, unsigned turn, bool mainMenu) {
  const std::string k = std::to_string(item);
  switch ((typed + turn) % 3) {
    case 0: return k + ".0\\n";
    case 1: return (mainMenu ? k + "/1" : std::to_string(2 * item) + "/2") + "\\n";
    default: return (typed / 3 % 2 == 0 ? k : "0" + k) + "\\n";
  }
}

}  // namespace

SceneWalk::SceneWalk(WalkLimits limits, unsigned turn)
    : limits_(limits), turn_(turn), stepTurn_(turn), loopTurn_(turn) {
  for (unsigned& t : badTurn_) t = turn;
  goodTurn_[AT_NEXT_STEP] = turn;
  cardTurn_ = 2 * turn;
}

std::string SceneWalk::nextKey() {
  if (!problem_.empty()) return "";
  if (pending_.empty()) {
    const WaitingPrompt prompt = waitingPrompt();
    freshPrompt_ = prompt.kind != PromptKind::Key && prompt.serial != promptSerial_;
    if (freshPrompt_) {
      promptSerial_ = prompt.serial;
      keysWithoutPrompt_ = 0;
    }
    learn(prompt);
    if (problem_.empty()) answer(prompt);
    if (!problem_.empty()) return "";
  }
  if (keysWithoutPrompt_ >= limits_.promptKeys) {
    stop("the program took " + std::to_string(limits_.promptKeys) + " keys without asking for a number");
    return "";
  }
  if (keys_ >= limits_.keys) {
    stop("the walk took " + std::to_string(limits_.keys) + " keys without ending the program");
    return "";
  }
  if (inScene_ && static_cast<std::uint64_t>(scene_.keys) >= limits_.sceneKeys) {
    stop("the scene took " + std::to_string(limits_.sceneKeys) + " keys without coming back to its sub-menu");
    return "";
  }
  std::string key = std::move(pending_.front());
  pending_.pop_front();
  ++keys_;
  ++keysWithoutPrompt_;
  if (inScene_) ++scene_.keys;
  return key;
}

void SceneWalk::learn(const WaitingPrompt& prompt) {
  const bool mainMenu = prompt.kind == PromptKind::MainMenu;
  const bool subMenu = inSection_ && prompt.kind == PromptKind::Bar && prompt.line == sections_.back().line;
  switch (prompt.kind) {
    case PromptKind::Key: waiting_ = Waiting::StepWait; break;
    case PromptKind::MainMenu: waiting_ = Waiting::MainMenu; break;
    case PromptKind::NextStep: waiting_ = Waiting::NextStep; break;
    case PromptKind::Bar:
      waiting_ = subMenu || last_ == Entry::MainMenuItem ? Waiting::SubMenu : Waiting::Question;
      break;
  }
  switch (last_) {
    case Entry::Bad:
      if (lastAsked_ == AT_MAIN_MENU && !mainMenu) return stop("a bad entry left the main menu");
      if (lastAsked_ == AT_SUB_MENU && !subMenu) return stop("a bad entry left the sub-menu");
      if (lastAsked_ == AT_QUESTION && !(prompt.kind == PromptKind::Bar && prompt.line == questionLine_))
        return stop("a bad entry was taken at the scene's question");
      break;
    case Entry::MainMenuItem:
      if (mainMenu) {
        emptyItems_.push_back(lastItem_);
      } else if (prompt.kind == PromptKind::Bar) {
        sections_.push_back({.menuItem = lastItem_, .line = prompt.line, .scenes = {}});
        inSection_ = true;
        lastChoice_ = 0;
        return;
      } else {
        return stop("the item showed no sub-menu");
      }
      break;
    case Entry::SubMenuItem:
      if (mainMenu) {
        sections_.back().left = true;
        inSection_ = false;
        return;
      }
      inScene_ = true;
      break;
    default:
      break;
  }
  if (inScene_ && subMenu) {
    sections_.back().scenes.push_back(scene_);
    inScene_ = false;
  } else if (inSection_ && mainMenu) {
    stop("the main menu came back before the sub-menu's last item");
  }
}

void SceneWalk::answer(const WaitingPrompt& prompt) {
  switch (prompt.kind) {
    case PromptKind::Key:
      if (inScene_) ++scene_.stepWaits;
      type(turned(STEP_KEYS, stepTurn_), Entry::Key);
      return;
    case PromptKind::MainMenu:
      if (badEntryGiven(AT_MAIN_MENU)) {
        ++lastItem_;
        type(itemEntry(lastItem_, goodTurn_[AT_MAIN_MENU]++, turn_, true), Entry::MainMenuItem);
      }
      return;
    case PromptKind::Bar:
      if (inSection_ && !inScene_) {
        if (prompt.line != sections_.back().line) return stop("the sub-menu's line changed to " + prompt.line);
        if (badEntryGiven(AT_SUB_MENU)) {
          ++lastChoice_;
          type(itemEntry(lastChoice_, goodTurn_[AT_SUB_MENU]++, turn_, false), Entry::SubMenuItem);
          scene_ = {.startKey = keys_ + pending_.size()};
        }
      } else if (inScene_) {
        ++scene_.questions;
        questionLine_ = prompt.line;
        if (badEntryGiven(AT_QUESTION)) {
          const std::string& card = CARD_PAIRS[cardTurn_ / 2 % std::size(CARD_PAIRS)][cardTurn_ % 2];
          ++cardTurn_;
          type(card, Entry::Good);
        }
      } else {
        stop("a prompt on the bottom bar outside every section: " + prompt.line);
      }
      return;
    case PromptKind::NextStep:
      if (!inScene_) return stop("a next-step prompt outside every scene");
      ++scene_.nextSteps;
      answerNextStep();
      return;
  }
}

// Every entry but 1 at a next-step prompt shows another problem: the bad entries do, until the
// loop has shown its number of problems. An overlong entry is cleared and leaves the prompt
// open: the entry typed after it answers the same problem.
void SceneWalk::answerNextStep() {
  lastAsked_ = AT_NEXT_STEP;
  if (problems_ == 0) loopProblems_ = FEWEST_PROBLEMS + static_cast<int>(loopTurn_++ % PROBLEM_COUNTS);
  if (freshPrompt_) ++problems_;
  if (problems_ < loopProblems_) {
    type(turned(BAD_NEXT_STEPS, badTurn_[AT_NEXT_STEP]), Entry::Bad);
  } else {
    problems_ = 0;
    type(turned(GOOD_NEXT_STEPS, goodTurn_[AT_NEXT_STEP]), Entry::Good);
  }
}

bool SceneWalk::badEntryGiven(Asked asked) {
  lastAsked_ = asked;
  if (badGiven_[asked]) {
    badGiven_[asked] = false;
    return true;
  }
  badGiven_[asked] = true;
  unsigned& turn = badTurn_[asked];
  switch (asked) {
    case AT_QUESTION: type(turned(BAD_CARDS, turn), Entry::Bad); break;
    case AT_NEXT_STEP: type(turned(BAD_NEXT_STEPS, turn), Entry::Bad); break;
    default: type(turned(BAD_CHOICES, turn), Entry::Bad); break;
  }
  return false;
}

void SceneWalk::type(const std::string& script, Entry entry) {
  KeyScript keys(script);
  for (std::string key = keys.next(); !key.empty(); key = keys.next()) pending_.push_back(std::move(key));
  last_ = entry;
}

void SceneWalk::stop(const std::string& why) {
  problem_ = position().text() + ": " + why;
  pending_.clear();
}

SceneWalk::Position SceneWalk::position() const {
  Position position;
  position.waiting = waiting_;
  if (last_ == Entry::MainMenuItem) {
    position.menuItem = lastItem_;
  } else if (inSection_) {
    position.menuItem = sections_.back().menuItem;
    position.subMenuItem = inScene_ || last_ == Entry::SubMenuItem ? lastChoice_ : 0;
  }
  return position;
}

bool SceneWalk::complete() const {
  if (!problem_.empty() || last_ != Entry::MainMenuItem || inSection_) return false;
  for (const Section& section : sections_)
    if (!section.left) return false;
  return true;
}

std::string SceneWalk::summary() const {
  std::size_t scenes = 0;
  for (const Section& section : sections_) scenes += section.scenes.size();
  return std::to_string(sections_.size()) + " sections, " + std::to_string(scenes) + " scenes, " +
         std::to_string(keys_) + " keys";
}
