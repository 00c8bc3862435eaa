// The game's arithmetic: 16-bit values that saturate instead of overflowing, the two rounding
// rules the rules use (half to even, floor), and the few number formats shown to players.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zenthar {

using Int16 = std::int16_t;

inline constexpr long long kInt16Min = -32768;
inline constexpr long long kInt16Max = 32767;

// Every stored game number passes through here: a game that runs long enough to push a count
// past 16 bits keeps playing at the limit rather than ending in an overflow.
constexpr Int16 Saturate16(long long v) {
    if (v < kInt16Min) return static_cast<Int16>(kInt16Min);
    if (v > kInt16Max) return static_cast<Int16>(kInt16Max);
    return static_cast<Int16>(v);
}

// Round half to even ("banker's rounding"), as every fraction of ships is rounded.
long long Round(double x);
// Largest whole number not above x.
long long Int(double x);
// Round to 16 bits in one go: Saturate16(Round(x)).
Int16 Round16(double x);

// "##" and "####": the digits without leading zeros, the empty text for 0.
std::string FormatHash(long long v);
// "0": plain decimal.
std::string FormatPlain(long long v);
// "00": at least two digits.
std::string FormatTwoDigits(long long v);
// The report file's number form: a blank before zero and positive values, a minus before
// negative ones.
std::string ReportNumber(long long v);

// Leading numeric part of a text as typed by a user ("12abc" -> 12, "abc" -> 0, " 7" -> 7).
// Accepts a sign and a decimal fraction; never throws.
double LeadingNumber(std::string_view text);

std::string Trim(std::string_view s);
std::string TrimRight(std::string_view s);
// Names are measured in characters, not bytes, so that an accented name is cut where the
// player sees it cut. A byte that starts no valid character counts as one character.
std::size_t Utf8Length(std::string_view s);
// The first `chars` characters of s, never splitting one.
std::string_view Utf8Prefix(std::string_view s, std::size_t chars);

// The same text but for the case of ASCII letters (table, field and file names).
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace zenthar
