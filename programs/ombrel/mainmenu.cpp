// Ombrel's main menu: the hub that start-up enters and every section returns to.
#include <array>

#include "engine/engine.h"
#include "programs/common/main_menu.h"
#include "programs/ombrel/frame.h"
#include "programs/ombrel/ombrel.h"
#include "programs/ombrel/sections.h"

namespace ombrel {
namespace {

constexpr const char* ITEMS[] = {
    "1　数の表し方",         "2　導入,偶数・奇数の性質", "3　数の計算",           "4　式の値",
    "5　図形の性質の証明", "6　学びをたしかめよう",     "7　学びを身につけよう", "8　終了",
};

// The section entries of items 1 to 7.
constexpr std::array<Routine, 7> SECTIONS = {SECNUMFORMS, SECEVENODD, SECNUMCALC, SECEXPRVALUE,
                                             SECGEOPROOF, SECREVIEW,  SECEXERCISES};

// The index in SECTIONS of the section a main-menu entry enters: the number of the typed text
// itself (an entry a/b counts as a), made whole; a number outside 1 to 7 enters section 1.
std::size_t sectionOf(const std::string& typed) {
  const int selector = common::menuSelector(typed);
  return selector >= 1 && selector <= 7 ? static_cast<std::size_t>(selector - 1) : 0;
}

void MAINMENU() {
  for (;;) {
    common::readMainMenu({.items = ITEMS, .writesPrompt = true});
    SECTIONS[sectionOf(AINP_S)]();
  }
}

}  // namespace

const ProgramInfo PROGRAM{"Ombrel", MAINMENU, true};

}  // namespace ombrel
