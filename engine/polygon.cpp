// A closed polygon through the vertices in G(), with its corners named by letters counted on
// from a first one, or by the texts of X$().
#include <string>

#include "figures.h"
#include "loops.h"
#include "plane.h"
#include "platform/platform.h"
#include "runtime.h"
#include "state.h"
#include "strings.h"

namespace {

// Hands the name of vertex i to the label placer: the rays run to the next vertex and to the one
// after it, turned from the second to the first.
void nameVertex(float i, const std::string& name) {
  KJ1 = i + 1;
  KJ2 = i + 2;
  if (KJ1 > KAKU) KJ1 = KJ1 - KAKU;
  if (KJ2 > KAKU) KJ2 = KJ2 - KAKU;
  ZX0 = G_A(i, 1);
  ZY0 = G_A(i, 2);
  ZX1 = G_A(KJ1, 1);
  ZY1 = G_A(KJ1, 2);
  ZX2 = G_A(KJ2, 1);
  ZY2 = G_A(KJ2, 2);
  ITI = -1;
  NAGASA = NAGASA1;
  AAA_S = name;
  PLACELABEL();
}

// The letter `steps` on from the first character of first: a single-byte character counts on in
// its code, a double-byte one (such as a full-width letter) in its second byte. A count that
// leaves the character's range gives no name.
std::string letterAfter(const std::string& first, float steps) {
  if (first.empty()) return "";
  const int code = PfASC(first) + ROUNDED(steps);
  if (first.size() >= 2 && isLeadByte(static_cast<unsigned char>(first[0]))) {
    const int trail = static_cast<unsigned char>(first[1]) + ROUNDED(steps);
    if (trail > 0xFC) return "";
    return std::string{first[0], static_cast<char>(trail)};
  }
  if (code > 255 || isLeadByte(static_cast<unsigned char>(code))) return "";
  return PfCHR24(static_cast<float>(code));
}

}  // namespace

void POLYGON() {
  // The names are drawn by routines that keep the pen in DR themselves.
  const float pen = FE_GETDRAWWIDTH();
  FOR(II, 1, KAKU, [] {
    KJ1 = II == KAKU ? 1.0f : II + 1;
    FE_SETDRAWWIDTH(SIZE1);
    PsLINE(G_A(II, 1), G_A(II, 2), G_A(KJ1, 1), G_A(KJ1, 2), ROUNDED(CCC2));
  });
  NAGASA1 = NAGASA;
  if (AAA_S == "1")
    POLYLABELS();
  else if (!AAA_S.empty())
    POLYLETTERS();
  AAA_S.clear();
  FE_SETDRAWWIDTH(pen);
}

void POLYLETTERS() {
  const std::string first = PfKLEFT24(AAA_S, 1);
  KJ3 = first.empty() ? 0.0f : static_cast<float>(PfASC(first));
  FOR(II, 1, KAKU, [&first] { nameVertex(II, letterAfter(first, II - 1)); });
}

void POLYLABELS() {
  FOR(TII, 1, KAKU, [] { nameVertex(TII, X_S_A(TII)); });
}
