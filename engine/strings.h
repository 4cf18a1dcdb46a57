// String and number built-ins on code-page-932 byte strings.
// Byte-counted: PfLEN PfLEFT24 PfRIGHT24 PfMID24 PfINSTR.
// Character-counted (a double-byte character counts as one): PfKLEN PfKLEFT24 PfKRIGHT24 PfKMID24 PfKINSTR.
// Positions count from 1; a search returns 0 when the sought text is absent.
#pragma once

#include <source_location>
#include <string>

using SLoc = std::source_location;

// True for a lead byte of a double-byte character (81-9F, E0-FC).
bool isLeadByte(unsigned char b);

int PfLEN(const std::string& s);
std::string PfLEFT24(const std::string& s, float n, SLoc where = SLoc::current());
std::string PfRIGHT24(const std::string& s, float n, SLoc where = SLoc::current());
// The rest of the text from byte position start, or n bytes of it.
std::string PfMID24(const std::string& s, float start, SLoc where = SLoc::current());
std::string PfMID24(const std::string& s, float start, float n, SLoc where = SLoc::current());
// Byte position of the first sought in text at or after from, or 0.
int PfINSTR(const std::string& text, const std::string& sought, float from = 1, SLoc where = SLoc::current());

int PfKLEN(const std::string& s);
std::string PfKLEFT24(const std::string& s, float n, SLoc where = SLoc::current());
std::string PfKRIGHT24(const std::string& s, float n, SLoc where = SLoc::current());
std::string PfKMID24(const std::string& s, float start, SLoc where = SLoc::current());
std::string PfKMID24(const std::string& s, float start, float n, SLoc where = SLoc::current());
int PfKINSTR(const std::string& text, const std::string& sought, float from = 1, SLoc where = SLoc::current());

// Decimal text of a number, a blank in front when it is not negative: at most 7 significant
// digits, never an exponent, "0.5" rather than ".5", and negative zero as " 0". A number that
// overflowed (infinite or not a number) is an overflow error, never shown as text.
std::string PfSTR244(float v, SLoc where = SLoc::current());
std::string PfSTR248(float v, SLoc where = SLoc::current());
// The number at the start of a text (blanks skipped, sign, digits, one point); 0 when there is none.
float PfVAL(const std::string& s);
// One-byte text of a code 0 to 255.
std::string PfCHR24(float code, SLoc where = SLoc::current());
// Code of the first byte; a runtime error for the empty text.
int PfASC(const std::string& s, SLoc where = SLoc::current());

// Conversions for drawing glyphs and printing test failures.
std::string toUtf8(const std::string& cp932);
std::string fromUtf8(const std::string& utf8);
