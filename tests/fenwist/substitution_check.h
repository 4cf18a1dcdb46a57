// Checks of the lines of a factorisation by substitution: a line in M is right when it equals the
// problem once the expression that M stands for is put back.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/algebra.h"

namespace fenwist_test {

// Every side of line equals problem, with M replaced by the expression put equal to it
// (markup; empty for a line without M).
inline testing::AssertionResult equalsWithMPutBack(const std::string& line, const std::string& problem,
                                                   const std::string& putEqualToM) {
  try {
    const GiNaC::ex back = putEqualToM.empty() ? GiNaC::ex(algebra::letter('M')) : algebra::parse(putEqualToM);
    for (const GiNaC::ex& side : algebra::sides(line)) {
      const testing::AssertionResult same = algebra::sameValue(problem, side.subs(algebra::letter('M') == back));
      if (!same) return same << " (line " << algebra::utf8(line) << ", M = " << algebra::utf8(putEqualToM) << ")";
    }
  } catch (const std::exception& e) {
    return testing::AssertionFailure() << e.what();
  }
  return testing::AssertionSuccess();
}

// Whether a line is a substitution note such as "x+y=M とおくと" or "a+b=Mとすると".
inline bool isNote(const std::string& line) {
  return line.find("とおくと") != std::string::npos || line.find("とすると") != std::string::npos;
}

// The expression a substitution note puts equal to M: what stands before "=M".
inline std::string putEqualToM(const std::string& note) { return note.substr(0, note.find("=M")); }

}  // namespace fenwist_test
