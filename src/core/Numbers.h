// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"

#include <string>
#include <string_view>

// Shared number and text rules; every step uses these, none re-implements them.

// Round to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// A whole number of seconds since midnight, rounded half to even, as a Long.
Long nowRounded(double secondsSinceMidnight);

// Brings a degree index into 1..360 by one step: above 360 subtract 360, then
// below 1 add 360. One subtraction or addition, never a loop.
int sectorWrap(int degree);

// Reads the number at the front of a text: blanks, tabs and line feeds anywhere
// are skipped; sign, digits, decimal point and exponent are read as far as they
// go; a text that does not begin with a number reads as 0. A number too large
// for a double reads as the largest double of its sign, one too small as 0.
// Independent of the process locale; allocates nothing for short numbers.
double leadingNumber(std::string_view text);

// The leading-number reading as a Single; beyond the range of a Single it reads
// as the largest Single of its sign.
Single leadingSingle(std::string_view text);

// The shortest decimal text of a whole number with one leading blank when it is
// not negative (" 45", "-5").
std::string signedNumberText(long long value);

// The same text for a Single: its shortest text without exponent that reads
// back as the same Single (" 4.5", "-0.25", " 100000").
std::string signedSingleText(Single value);

// The last n characters of a text (all of it when shorter).
std::string lastChars(std::string_view text, std::size_t n);

// A whole number as exactly `digits` digits with leading zeros ("007").
std::string zeroPadded(long long value, int digits);
