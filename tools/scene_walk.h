// The scene walk: the keys that take a program through every item of its main menu and every
// item of each section's sub-menu, each scene to its end and back to its sub-menu. It knows no
// program's menus: at every key it reads which prompt the program waits at (waiting_prompt.h)
// and answers it, choosing the items one after another until the last one leads back (a
// sub-menu) or ends the program (the main menu). On the way it types at each number prompt a
// bad entry first (nothing, 0, a number past the items, a division by 0, a cleared or
// overlong entry, ...) and then a good one, a menu item written by turns as a decimal, a
// fraction or its number; a practice loop is taken to its 3rd, 4th or 5th problem, by turns,
// before the 1 that leaves it; the card trick gets pairs of cards by turns the larger first,
// equal or the smaller first; every step wait gets a key of another kind. A walk at another
// turn (the constructor's) types other entries and takes each loop to another number of
// problems: the walks at turns 0, 1 and 2 type every menu item in each of the three forms and
// take every loop to each of 3, 4 and 5 problems.
//
// In a headless run (engine/platform/headless.h):
//   SceneWalk walk;
//   options.keySource = [&walk] { return walk.nextKey(); };
//   runHeadless(program, options);  // then walk.complete(), walk.sections()
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "waiting_prompt.h"
#include "whereabouts.h"

struct WalkLimits {
  std::uint64_t keys = 100000;     // the walk stops after this many keys
  std::uint64_t sceneKeys = 5000;  // ... or when one scene has taken this many
  // ... or when the program has taken this many in a row without asking for a number anew: a
  // scene of the programs asks within a few hundred.
  std::uint64_t promptKeys = 1000;
};

class SceneWalk {
 public:
  // What a scene took before its sub-menu came back.
  struct Scene {
    // The keys typed before the scene began: in a run's operation log, its operations follow
    // the Key operation of that number.
    std::uint64_t startKey = 0;
    int keys = 0;       // key presses, its entries' keys included
    int stepWaits = 0;
    int nextSteps = 0;  // next-step prompts answered
    int questions = 0;  // number prompts of the scene's own (the card trick's cards)
  };
  struct Section {
    int menuItem = 0;           // the main-menu item that opened it
    std::string line;           // its sub-menu line as drawn, UTF-8
    std::vector<Scene> scenes;  // sub-menu item k's scene at k - 1
    bool left = false;          // left through its sub-menu's last item
  };
  // Where the walk is: the main-menu item and the item of its sub-menu chosen last, 0 for none
  // (back at the main menu, or at the sub-menu), and what the program waits at.
  using Position = Place;

  explicit SceneWalk(WalkLimits limits = {}, unsigned turn = 0);

  // The next key press, in code page 932: the answer to the prompt the program waits at.
  // "" once the walk has stopped on a problem, which ends a headless run.
  std::string nextKey();

  const std::vector<Section>& sections() const { return sections_; }
  // Main-menu items that only drew the menu again.
  const std::vector<int>& emptyItems() const { return emptyItems_; }
  // The main-menu item chosen last: once the run is over, the one that ended the program.
  int lastItem() const { return lastItem_; }
  std::uint64_t keys() const { return keys_; }
  Position position() const;
  // Why the walk stopped before the program ended; "" when nothing stopped it.
  const std::string& problem() const { return problem_; }
  // Once the run is over: the last entry chose a main-menu item, which ended the program, and
  // every section entered was left through its sub-menu's last item.
  bool complete() const;
  // "7 sections, 41 scenes, 3012 keys".
  std::string summary() const;

 private:
  enum class Entry { None, Key, Bad, Good, MainMenuItem, SubMenuItem };
  // The kinds of number prompt, each answered with a bad entry and then a good one.
  enum Asked { AT_MAIN_MENU, AT_SUB_MENU, AT_QUESTION, AT_NEXT_STEP, ASKED_KINDS };

  // Takes in what the last entry led to, now that the program waits at prompt.
  void learn(const WaitingPrompt& prompt);
  void answer(const WaitingPrompt& prompt);
  // At a number prompt of that kind: types its next bad entry and returns false the first time,
  // returns true the next time, when the caller types a good one.
  bool badEntryGiven(Asked asked);
  // At a next-step prompt: another problem, or the 1 that leaves the loop.
  void answerNextStep();
  void type(const std::string& script, Entry entry);
  void stop(const std::string& why);

  WalkLimits limits_;
  std::deque<std::string> pending_;  // the rest of the entry being typed
  std::vector<Section> sections_;
  std::vector<int> emptyItems_;
  int lastItem_ = 0;
  int lastChoice_ = 0;      // the sub-menu item chosen last in the open section
  bool inSection_ = false;  // at a section's sub-menu or in one of its scenes
  bool inScene_ = false;
  Scene scene_;             // the scene under way
  Entry last_ = Entry::None;
  Asked lastAsked_ = AT_MAIN_MENU;  // where the last number entry was typed
  std::string questionLine_;        // the line of the scene's question asked last
  Waiting waiting_ = Waiting::MainMenu;  // what the program waited at, at the last key
  std::uint64_t promptSerial_ = 0;       // the serial of the number prompt asked last
  std::uint64_t keysWithoutPrompt_ = 0;
  bool freshPrompt_ = false;             // the prompt answered now was asked anew
  int problems_ = 0;       // problems the practice loop under way has shown
  int loopProblems_ = 0;   // ... and the number it is taken to
  bool badGiven_[ASKED_KINDS] = {};
  unsigned turn_ = 0;  // the constructor's
  // How far each list of entries and the step keys have turned; at the menus, the good entries
  // count the items typed there, whose forms turn with them and with turn_.
  unsigned badTurn_[ASKED_KINDS] = {};
  unsigned goodTurn_[ASKED_KINDS] = {};
  unsigned stepTurn_ = 0;
  unsigned loopTurn_ = 0;
  unsigned cardTurn_ = 0;  // the cards typed: two for each pair
  std::uint64_t keys_ = 0;
  std::string problem_;
};
