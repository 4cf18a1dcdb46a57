// The ten command keys, and the emptying of the keyboard buffer.
#include <array>

#include "numbers.h"
#include "platform/platform.h"
#include "state.h"

void KEYFLAGS() {
  // Tested in this order; a key's number is its place in the list.
  static constexpr std::array<const char*, 10> COMMAND_KEYS = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
  for (std::size_t k = 0; k < COMMAND_KEYS.size(); ++k) {
    if (I_S == COMMAND_KEYS[k]) {
      FKIG = 1;
      HHKIG = static_cast<float>(k + 1);
      I_S = COMMAND_KEYS[k];
      return;
    }
  }
  FKIG = 0;
}

void KEYDRAIN() {
  do {
    I_S = PfINKEY24();
  } while (!I_S.empty());
}
