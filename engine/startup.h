// Start of a program, its error screen, and the ways a program runs: in a window or headless.
#pragma once

#include <optional>
#include <string>

#include "runtime.h"

// What start-up needs of the running program.
struct ProgramInfo {
  std::string title;           // TITLE$
  void (*mainMenu)();          // MAINMENU: runs the program; returns only by ending it
  bool scriptLetterTwoRules;   // Ombrel draws the script letter l by two rules
};

// Start-up in its fixed order, ending in the program's main menu.
void STARTUP(const ProgramInfo& program);
// Shows the runtime error and idles until the window is closed; never returns.
[[noreturn]] void ERRORSCREEN(const RuntimeError& error);

// Runs a program on the current back end: start-up, the error screen on a runtime error, and a
// clean end on ProgramEnd. Returns the process exit status.
int runProgram(const ProgramInfo& program);

// The error that sent this run to the error screen, if any.
const std::optional<RuntimeError>& lastRuntimeError();
