// Where a program is, as a headless run's keys go through it: the main-menu item and the item of
// its sub-menu chosen last, what it waits at, and how many keys it has taken since it last asked
// for a number. Read at every key from the picture (waiting_prompt.h) and from the entry typed at
// the prompt, so that it knows no program's menus: the monkey and tools/replay say with it where
// a run failed.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

// What a program waits at when it polls for a key.
enum class Waiting { StepWait, MainMenu, SubMenu, Question, NextStep };

// "at a step wait", "at the main menu's prompt", "at the sub-menu's prompt", "at a question on
// the bottom bar", "at a next-step prompt".
const char* waitingText(Waiting waiting);

struct Place {
  int menuItem = 0;     // the main-menu item chosen last, 0 for none
  int subMenuItem = 0;  // the item of its sub-menu chosen last, 0 for none
  Waiting waiting = Waiting::MainMenu;  // what it waited at when it took its last key
  // With no item: the main-menu entry that opened the section, when it named no item (12/3,
  // or 5.6 on a menu of six items: a number past the items opens the program's default section)
  // and the section's sub-menu was not yet seen after an item's number.
  std::string menuEntry;
  // "main-menu item 6, sub-menu item 1, at a step wait"; "the section main-menu entry 12/3
  // opened, at the sub-menu's prompt"; "no main-menu item chosen yet, at the main menu's prompt".
  std::string text() const;
};

class Whereabouts {
 public:
  // Takes in where the program waits as it polls for a key, and key, the key it is given there.
  void typed(const std::string& key);
  const Place& place() const { return place_; }
  // Keys typed since the program last asked for a number anew (a main-menu, sub-menu, next-step
  // prompt or a question), the key typed at that prompt included.
  std::uint64_t keysWithoutPrompt() const { return keysWithoutPrompt_; }

 private:
  Place place_;
  // What an Enter at the main menu chose: an item, or 0 and the entry when it named none.
  struct Choice {
    int item = 0;
    std::string entry;
  };
  // The sub-menu line of the section entered last, once its sub-menu asked.
  std::optional<std::string> subMenuLine_;
  bool sectionOpened_ = false;   // a main-menu item was chosen; its sub-menu has not asked yet
  std::optional<Choice> mainChoice_;  // until the main menu is left
  std::map<std::string, int> sectionItems_;  // the item of each sub-menu line seen after one
  std::uint64_t promptSerial_ = 0;
  std::uint64_t keysWithoutPrompt_ = 0;
};

// The number a sub-menu line's last circled item stands for: ① to ⑳.
int lastCircledNumber(const std::string& line);
