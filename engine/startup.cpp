#include "startup.h"

#include <exception>

#include "platform/platform.h"
#include "state.h"
#include "strings.h"

namespace {
std::optional<RuntimeError> recordedError;
}

const std::optional<RuntimeError>& lastRuntimeError() { return recordedError; }

void STARTUP(const ProgramInfo& program) {
  // 1. The error screen as the target of runtime errors is runProgram's catch.
  FE_SETMAPMODE();
  FE_MAXIMIZEWINDOW();
  FE_SETFONTNAME("ｺﾞｼｯｸ");
  FE_SETFONTSIZE(16);
  FE_SETDRAWWIDTH(3);
  // The seed is hours + minutes + seconds of the clock.
  const std::string clock = PfTIME24();
  PaRandomize(PfVAL(PfLEFT24(clock, 2)) + PfVAL(PfMID24(clock, 4, 2)) + PfVAL(PfRIGHT24(clock, 2)));
  CCC1 = 4;
  TITLE_S = program.title;
  SCRIPT_L_TWO_RULES = program.scriptLetterTwoRules;
  // The shared arrays are fixed in size and start empty (state.h).
  KAIX = 1056;
  KAIY = 648;
  program.mainMenu();
}

void ERRORSCREEN(const RuntimeError& error) {
  recordedError = error;
  PsCLS();
  PsSYMBOL40(288, 432, 1, 1, 13,
             PfSTR244(static_cast<float>(error.line)) + "," + PfSTR244(static_cast<float>(error.code)) +
                 "エラーが発生しました。マウスで×をクリックして下さい。");
  idleForever();
}

int runProgram(const ProgramInfo& program) {
  recordedError.reset();
  try {
    try {
      STARTUP(program);
    } catch (const RuntimeError& error) {
      ERRORSCREEN(error);
    } catch (const std::exception& fault) {
      // A fault of the C++ library (out of memory, say) still ends on the error screen, which
      // shows line 0; what it said is kept with the recorded error.
      ERRORSCREEN(RuntimeError{0, ErrorCode::Internal, fault.what(), ""});
    }
  } catch (const ProgramEnd&) {
  }
  return 0;
}
