// The runtime's error trap, program end, whole numbers, checked arithmetic and random numbers.
#pragma once

#include <source_location>
#include <string>

// Error codes shown on the error screen after the failing line's number.
enum class ErrorCode : int {
  IllegalArgument = 5,   // an argument the runtime rejects
  Overflow = 6,          // a result too large for its type, or not a number
  IndexOutOfRange = 9,   // an array index outside its bounds
  DivisionByZero = 11,
  Internal = 51,          // a fault of the C++ library itself
};

// A runtime error: unwinds to the top of the program, which shows ERRORSCREEN. The screen shows
// the line and the code; the text and the place stay with the recorded error for the tools that
// report it (tools/replay, the key monkey).
struct RuntimeError {
  int line;
  ErrorCode code;
  std::string text;   // what() of a C++ library exception, "" for the runtime's own errors
  std::string place;  // "file:line" of the check that raised it, "" where unknown
};

// Program end (the main menu's last item, or the window closed): unwinds to main.
struct ProgramEnd {};

[[noreturn]] void raiseError(ErrorCode code, std::source_location where = std::source_location::current());

// Ends the program.
[[noreturn]] void PsEND();

// Integer part: the largest whole number not above v (INT of -2.5 is -3).
float PnFInt(float v, std::source_location where = std::source_location::current());
// The whole number nearest to v, halves away from zero: used wherever a number is used as a whole number.
int ROUNDED(float v, std::source_location where = std::source_location::current());
// a / b, a runtime error when b is 0 or the quotient overflows.
float DIV(float a, float b, std::source_location where = std::source_location::current());
// v, or an overflow error when it is not finite.
float CHECKED(float v, std::source_location where = std::source_location::current());

// Seeds the random generator with a whole number.
void PaRandomize(float seed);
// A uniform random number in [0, 1), never 1.
float PaRnd();
