// Number entry at the prompt anchor: the label "入力", the key loop with its cursor dot and
// echo, and the value of the typed text.
#include "engine.h"

namespace {

constexpr int ECHO_COLOUR = 5;
constexpr int BACKGROUND = 15;
// An entry is cleared by the key after its tenth character, so at most nine are submitted.
constexpr int FULL_ENTRY = 9;

// The cursor dot has a thin pen of its own, whatever pen the scene left: a thick pen would blot
// the field, and erasing the blot would bite into the character before it.
constexpr float DOT_PEN = 2;

void cursorDot(float radius, int colour) {
  const float pen = FE_GETDRAWWIDTH();
  FE_SETDRAWWIDTH(DOT_PEN);
  PsCIRCLE(XX + 8, YY + 8, radius, colour, 0, 0, true);
  FE_SETDRAWWIDTH(pen);
}

void showDot() { cursorDot(4, ECHO_COLOUR); }

// One pixel wider than the dot, so that no anti-aliased rim of it stays behind as a ring
// round the character echoed in its place.
void eraseDot() { cursorDot(5, BACKGROUND); }

bool clearsEntry(const std::string& key) {
  return key == "\b" || key == "\f" || PfKLEN(AINP_S) > FULL_ENTRY;
}

// "-", ".", "/" and the digits: the one-byte keys from "-" to "9".
bool accepted(const std::string& key) {
  if (key.size() != 1) return false;
  const unsigned char code = static_cast<unsigned char>(key[0]);
  return code >= '-' && code <= '9';
}

}  // namespace

void KEYLOOP() {
  // The dot stands in colour 5 for as long as the loop waits: a poll with no key leaves it
  // there rather than erasing and redrawing it, which would show nothing different and would
  // only pile up drawing operations on a screen that may wait for a long time.
  bool dotShown = false;
  for (;;) {
    if (!dotShown) {
      showDot();
      dotShown = true;
    }
    I_S = PfINKEY24();
    if (I_S.empty()) continue;
    if (clearsEntry(I_S)) {
      // The key is dropped, whatever it is; the clear takes the dot with the characters.
      PsLINE(KAIX, KAIY - 8, 192, 30, BACKGROUND, LineMode::FilledBox, BACKGROUND, Corner::Step);
      AINP_S = "";
      I_S = "";
      XX = KAIX;
      YY = KAIY;
      dotShown = false;
    } else if (I_S == "\r") {
      eraseDot();
      return;
    } else if (accepted(I_S)) {
      eraseDot();
      dotShown = false;
      CCC1 = ECHO_COLOUR;
      A_S = I_S;
      X = XX;
      Y = YY;
      PROMPTCHARS();
      XX = XT;
      AINP_S += I_S;
    }
    // Any other key is dropped and the dot stays.
  }
}

void INPUTFIELD() {
  XX = KAIX;
  YY = KAIY;
  AINP_S = "";
  CCC1 = 0;
  X = XX - 48;
  Y = YY;
  AA_S = "入力";
  PROMPTTEXT();
  KEYLOOP();
  PsLINE(KAIX - 48, KAIY - 8, 240, 30, BACKGROUND, LineMode::FilledBox, BACKGROUND, Corner::Step);
}

void INPUTVALUE() {
  LEM = static_cast<float>(PfKLEN(AINP_S));
  N = static_cast<float>(PfKINSTR(AINP_S, "/"));
  if (N == 0) {
    AINP = PfVAL(AINP_S);
    return;
  }
  A_S = PfKLEFT24(AINP_S, N - 1);
  B_S = PfKRIGHT24(AINP_S, LEM - N);
  // A pupil's "5/" or "1/0" has no quotient: it counts as 0, which every prompt's caller treats
  // as an ordinary wrong choice (ask again, or the next problem) instead of ending the lesson.
  const float divisor = PfVAL(B_S);
  AINP = divisor == 0 ? 0 : DIV(PfVAL(A_S), divisor);
}
