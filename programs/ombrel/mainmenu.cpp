// Ombrel's main menu: the hub that start-up enters and every section returns to.
#include <array>

#include "engine/engine.h"
#include "programs/common/menu_title.h"
#include "programs/common/scene.h"
#include "programs/ombrel/frame.h"
#include "programs/ombrel/ombrel.h"
#include "programs/ombrel/sections.h"

namespace ombrel {
namespace {

constexpr std::array<const char*, 8> ITEMS = {
    "1　数の表し方",         "2　導入,偶数・奇数の性質", "3　数の計算",           "4　式の値",
    "5　図形の性質の証明", "6　学びをたしかめよう",     "7　学びを身につけよう", "8　終了",
};

// The section entries of items 1 to 7. Sections 4 to 7 are not built yet: choosing one draws
// the main menu again.
constexpr std::array<Routine, 7> SECTIONS = {SECNUMFORMS, SECEVENODD, SECNUMCALC, nullptr, nullptr, nullptr, nullptr};

void drawMenu() {
  CLEARWORK();
  common::clearWindow();
  PsLINE(22, 10, 1320, 600, 15, LineMode::FilledBox, 10, Corner::Step);
  common::textLine(264, 30, 15, common::menuTitle());
  for (std::size_t k = 0; k < ITEMS.size(); ++k) common::textLine(44, 120 + 60.0f * k, k % 2 == 0 ? 13 : 15, ITEMS[k]);
}

// The index in SECTIONS of the section a main-menu entry enters: the number of the typed text
// itself (an entry a/b counts as a), made whole; a number outside 1 to 7 enters section 1.
std::size_t sectionOf(const std::string& typed) {
  const int selector = ROUNDED(PfVAL(typed));
  return selector >= 1 && selector <= 7 ? static_cast<std::size_t>(selector - 1) : 0;
}

void MAINMENU() {
  for (;;) {
    drawMenu();
    CCC1 = 0;
    X = KAIX - 240;
    Y = KAIY;
    AA_S = "番号を入力して下さい。";
    PROMPTTEXT();
    ASKNUMBER();
    CLEARASK();
    if (AINP == 8) PsEND();
    if (AINP < 1 || AINP > 8) continue;
    common::clearWindow();
    if (const Routine section = SECTIONS[sectionOf(AINP_S)]) section();
  }
}

}  // namespace

const ProgramInfo PROGRAM{"Ombrel", MAINMENU, true};

}  // namespace ombrel
