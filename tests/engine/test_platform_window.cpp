// The window back end, run in-process on SDL's dummy video driver: events are pushed into SDL's
// queue as the windowing system would send them, and the window's pixels are read back.
// (tests/e2e runs the real program in a real X server.)
#include <SDL.h>
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "engine/platform/canvas.h"
#include "engine/platform/keys.h"
#include "engine/platform/platform.h"
#include "engine/platform/render.h"
#include "engine/platform/window.h"
#include "engine/runtime.h"
#include "engine/startup.h"
#include "engine/state.h"

namespace {

std::function<void()> menuBody;
void menu() { menuBody(); }

// Runs body as a program's main menu in a window; returns the exit status.
int runWindowed(std::function<void()> body) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  menuBody = std::move(body);
  return runInWindow(ProgramInfo{"Window test", menu, false});
}

SDL_Surface* windowSurface() { return SDL_GetWindowSurface(SDL_GetWindowFromID(1)); }

// The number of pixels where the window differs from the display list painted whole at its size.
int pixelsUnlikeAFullPaint() {
  SDL_Surface* shown = windowSurface();
  EXPECT_NE(shown, nullptr);
  if (shown == nullptr) return -1;
  cairo_surface_t* full = cairo_image_surface_create(CAIRO_FORMAT_RGB24, shown->w, shown->h);
  paintWholeOnto(full, canvas().displayList());
  const unsigned char* a = cairo_image_surface_get_data(full);
  const int strideA = cairo_image_surface_get_stride(full);
  const auto* b = static_cast<const unsigned char*>(shown->pixels);
  int differing = 0;
  for (int y = 0; y < shown->h; ++y)
    for (int x = 0; x < shown->w; ++x)
      for (int c = 0; c < 3; ++c)
        if (std::abs(a[y * strideA + x * 4 + c] - b[y * shown->pitch + x * 4 + c]) > 1) {
          ++differing;
          break;
        }
  cairo_surface_destroy(full);
  return differing;
}

void pushKeyDown(SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.state = SDL_PRESSED;
  e.key.keysym.sym = sym;
  e.key.keysym.mod = mod;
  SDL_PushEvent(&e);
}

// Text input arrives in UTF-8 (narrow literals here are code page 932).
void pushText(const char8_t* utf8) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  SDL_strlcpy(e.text.text, reinterpret_cast<const char*>(utf8), sizeof e.text.text);
  SDL_PushEvent(&e);
}

void pushClose() {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_CLOSE;
  e.window.windowID = 1;
  SDL_PushEvent(&e);
}

// An event that is no key, as the mouse moving over the window sends.
void pushNoKey() {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = 1;
  SDL_PushEvent(&e);
}

// The keys read until a poll finds none: every event pushed is in the queue by then.
std::vector<std::string> keysWaiting() {
  std::vector<std::string> keys;
  for (std::string key = PfINKEY24(); !key.empty(); key = PfINKEY24()) keys.push_back(key);
  return keys;
}

void drawPage() {
  PsLINE(0, 0, 1760, 1800, 15, LineMode::FilledBox, 15, Corner::Step);
  PsLINE(22, 10, 1320, 600, 15, LineMode::FilledBox, 10, Corner::Step);
  FE_SETFONTNAME("ゴシック");
  FE_SETFONTSIZE(16);
  PsSYMBOL40(264, 30, 2, 2, 15, "＜メニュー＞");
  PsSYMBOL40(44, 120, 1, 1, 13, "１．式の計算");
  PsCIRCLE(700, 300, 100, 9);
  PsLINE(100, 400, 600, 500, 0);
}

// After every step the window shows what painting the whole display list shows, however the
// picture got there: new operations over old ones, a dot erased, a text redrawn in another
// colour and nothing else, a box over part of the page, a dotted row drawn again over a line, a
// box over most of it, a clear.
TEST(Window, EveryFrameMatchesTheWholePicture) {
  std::vector<int> differing;
  // A wait, then how the window differs from the list painted whole. The event pushed first wakes
  // a poll that finds the picture as the last poll found it, which would sleep until one came.
  const auto step = [&differing] {
    pushNoKey();
    PfINKEY24();
    differing.push_back(pixelsUnlikeAFullPaint());
  };
  const int status = runWindowed([&] {
    FE_MAXIMIZEWINDOW();
    drawPage();
    step();
    FE_SETDRAWWIDTH(3);
    PsSYMBOL40(44, 180, 1, 1, 0, "２．因数分解");
    PsCIRCLE(1064, 656, 4, 5, 0, 0, true);
    step();
    PsCIRCLE(1064, 656, 4, 15, 0, 0, true);
    step();
    // A step that changes nothing but a colour: the same text, where it stood, in another.
    PsSYMBOL40(44, 120, 1, 1, 5, "１．式の計算");
    step();
    PsLINE(600, 250, 800, 350, 15, LineMode::FilledBox, 12);
    PsSYMBOL40(620, 280, 1, 1, 15, "ｱｲｳ");
    step();
    // Each dot drawn again leaves the middle of the list, from under the line, and comes last.
    const auto dottedRow = [](int colour) {
      for (int k = 0; k < 30; ++k) PsCIRCLE(100 + 8 * static_cast<float>(k), 700, 2, colour, 0, 0, true);
    };
    dottedRow(0);
    PsLINE(90, 700, 350, 700, 9);
    step();
    dottedRow(12);
    step();
    // A scene's erase, short of the canvas's right edge, and its next page.
    PsLINE(0, 0, 1320, 1300, 15, LineMode::FilledBox, 15);
    PsSYMBOL40(44, 120, 1, 1, 0, "３．方程式");
    PsCIRCLE(700, 300, 60, 3);
    step();
    PsCLS();
    PsSYMBOL40(288, 432, 1, 1, 13, "おわり");
    step();
    PsEND();
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(differing, std::vector<int>(9, 0));
}

// A wait that draws its cursor dot before every poll and erases it after every empty one shows
// the same picture at every poll: after the first, no frame is painted or sent.
TEST(Window, DotRedrawnAtEveryPollCostsNoFrames) {
  int framesAfterFirstPoll = 0, framesAfterWaiting = 0, differing = -1;
  runWindowed([&] {
    FE_MAXIMIZEWINDOW();
    drawPage();
    PfINKEY24();
    for (int i = 0; i < 20; ++i) {
      PsCIRCLE(1064, 656, 4, 5, 0, 0, true);
      pushNoKey();  // wakes the poll, which would otherwise sleep until an event
      PfINKEY24();
      if (i == 0) framesAfterFirstPoll = windowStats().frames;
      PsCIRCLE(1064, 656, 4, 15, 0, 0, true);
    }
    framesAfterWaiting = windowStats().frames;
    PfINKEY24();  // the dot erased shows
    differing = pixelsUnlikeAFullPaint();
  });
  EXPECT_EQ(framesAfterWaiting, framesAfterFirstPoll);
  EXPECT_EQ(windowStats().frames, framesAfterWaiting + 1);
  EXPECT_EQ(differing, 0);
}

// In a window smaller than the canvas a box's edges are antialiased: a box erased where it
// stood would leave a faint outline of itself on a kept picture, which the display list no
// longer holds. The window paints the erased box's place afresh, as the whole list paints it.
TEST(Window, ErasedBoxLeavesNoTraceInASmallWindow) {
  double scale = 0;
  int differing = -1;
  runWindowed([&] {
    FE_MAXIMIZEWINDOW();
    drawPage();
    PsLINE(96, 657, 400, 693, 13, LineMode::FilledBox, 4);
    PsSYMBOL40(128, 666, 1, 1, 9, "何かキーを押して下さい。");
    PfINKEY24();
    PsLINE(0, 657, 400, 693, 15, LineMode::FilledBox, 15);
    PfINKEY24();
    scale = std::min(windowSurface()->w / 1366.0, windowSurface()->h / 768.0);
    differing = pixelsUnlikeAFullPaint();
  });
  EXPECT_LT(scale, 1);
  EXPECT_EQ(differing, 0);
}

// A wait whose picture does not change sleeps on the window's events: it polls once to show the
// picture and once more to sleep, and the key typed a while later ends the sleep.
TEST(Window, WaitSleepsUntilAKeyComes) {
  int polls = 0;
  std::string key;
  runWindowed([&] {
    FE_MAXIMIZEWINDOW();
    drawPage();
    // Typed from SDL's timer thread, a fifth of a second into the wait.
    SDL_AddTimer(
        200,
        [](Uint32, void*) -> Uint32 {
          pushText(u8"7");
          return 0;
        },
        nullptr);
    do {
      ++polls;
      key = PfINKEY24();
    } while (key.empty() && polls < 1000);
  });
  EXPECT_EQ(key, "7");
  EXPECT_LE(polls, 3);
}

// A new window size paints the picture afresh at that size, scaled to fit.
TEST(Window, PictureIsKeptAcrossResizes) {
  std::vector<std::pair<int, int>> sizes;
  std::vector<int> differing;
  runWindowed([&] {
    FE_MAXIMIZEWINDOW();
    drawPage();
    PfINKEY24();
    SDL_Window* window = SDL_GetWindowFromID(1);
    for (auto [w, h] : {std::pair{800, 600}, {1920, 1080}, {500, 900}}) {
      SDL_SetWindowSize(window, w, h);
      PfINKEY24();
      sizes.emplace_back(windowSurface()->w, windowSurface()->h);
      differing.push_back(pixelsUnlikeAFullPaint());
    }
  });
  const std::vector<std::pair<int, int>> expected = {{800, 600}, {1920, 1080}, {500, 900}};
  EXPECT_EQ(sizes, expected);
  EXPECT_EQ(differing, std::vector<int>(3, 0));
}

// One key per press: printable keys as typed, Enter 13, Backspace 8, any other key something.
TEST(Window, KeysAreOneTextPerPress) {
  std::vector<std::string> keys;
  runWindowed([&] {
    FE_MAXIMIZEWINDOW();
    pushKeyDown(SDLK_1);  // a printable key's text comes as text input
    pushText(u8"1");
    pushKeyDown(SDLK_RETURN);
    pushKeyDown(SDLK_BACKSPACE);
    pushKeyDown(SDLK_LSHIFT);  // a modifier alone is no key
    pushKeyDown(SDLK_a, KMOD_LSHIFT);
    pushText(u8"A");
    pushText(u8"ｱ/");
    pushText(u8"表");
    pushKeyDown(SDLK_F1);
    pushKeyDown(SDLK_DOWN);
    pushKeyDown(SDLK_c, KMOD_LCTRL);  // no text comes with Ctrl+C
    pushKeyDown(SDLK_KP_5);           // Num Lock off: no text comes either
    pushKeyDown(SDLK_KP_5, KMOD_NUM);
    pushText(u8"5");
    pushKeyDown(SDLK_KP_ENTER);
    keys = keysWaiting();
  });
  ASSERT_EQ(keys.size(), 13u) << testing::PrintToString(keys);
  EXPECT_EQ(keys[0], "1");
  EXPECT_EQ(keys[1], "\r");
  EXPECT_EQ(keys[2], "\b");
  EXPECT_EQ(keys[3], "A");
  EXPECT_EQ(keys[4], "ｱ");
  EXPECT_EQ(keys[5], "/");
  EXPECT_EQ(keys[6], "表");
  for (int i : {7, 8, 9, 10}) {
    EXPECT_FALSE(keys[i].empty());
    EXPECT_NE(keys[i], "\r");
    EXPECT_NE(keys[i], "\b");
  }
  EXPECT_EQ(keys[11], "5");
  EXPECT_EQ(keys[12], "\r");
}

// A typed character the code page lacks is one key press, however many bytes its text takes;
// so is each character of a text that comes at once.
TEST(Window, ACharacterOutsideTheCodePageIsOneKey) {
  std::vector<std::string> keys;
  runWindowed([&] {
    FE_MAXIMIZEWINDOW();
    pushText(u8"é");
    pushText(u8"€");
    pushText(u8"😀");
    pushText(u8"１é2");
    keys = keysWaiting();
  });
  ASSERT_EQ(keys.size(), 6u) << testing::PrintToString(keys);
  for (int i : {0, 1, 2, 4}) EXPECT_EQ(keys[i], OTHER_KEY);
  EXPECT_EQ(keys[3], "１");
  EXPECT_EQ(keys[5], "2");
}

TEST(Window, ClosingDuringAWaitEndsTheProgramAtOnce) {
  static bool waitEnded = false;
  const int status = runWindowed([] {
    FE_MAXIMIZEWINDOW();
    drawPage();
    pushClose();
    while (PfINKEY24().empty()) {
    }
    waitEnded = true;
  });
  EXPECT_EQ(status, 0);
  EXPECT_FALSE(waitEnded);
}

// The error screen shows its message until the window is closed; keys do nothing there.
TEST(Window, ClosingTheErrorScreenEndsTheProgram) {
  const int status = runWindowed([] {
    FE_MAXIMIZEWINDOW();
    drawPage();
    pushText(u8"1");
    pushKeyDown(SDLK_RETURN);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    X = DIV(1, 0);
  });
  EXPECT_EQ(status, 0);
  ASSERT_TRUE(lastRuntimeError());
  EXPECT_EQ(lastRuntimeError()->code, ErrorCode::DivisionByZero);
  // The window shows the error screen.
  const std::vector<Op>& list = canvas().displayList();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].kind, OpKind::Clear);
  EXPECT_EQ(list[1].kind, OpKind::Text);
  EXPECT_EQ(pixelsUnlikeAFullPaint(), 0);
}

}  // namespace
