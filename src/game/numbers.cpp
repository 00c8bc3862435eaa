// Rounding and formatting helpers shared by every subsystem.
#include "game/numbers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace zenthar {

long long Round(double x) {
    if (!std::isfinite(x)) return x > 0 ? kInt16Max : (x < 0 ? kInt16Min : 0);
    // std::nearbyint honours the current rounding mode, which is round-to-nearest-even.
    return static_cast<long long>(std::nearbyint(x));
}

long long Int(double x) {
    if (!std::isfinite(x)) return x > 0 ? kInt16Max : (x < 0 ? kInt16Min : 0);
    return static_cast<long long>(std::floor(x));
}

Int16 Round16(double x) {
    if (x > static_cast<double>(kInt16Max)) return static_cast<Int16>(kInt16Max);
    if (x < static_cast<double>(kInt16Min)) return static_cast<Int16>(kInt16Min);
    return Saturate16(Round(x));
}

std::string FormatHash(long long v) {
    return v == 0 ? std::string() : std::to_string(v);
}

std::string FormatPlain(long long v) {
    return std::to_string(v);
}

std::string FormatTwoDigits(long long v) {
    std::string digits = std::to_string(v < 0 ? -v : v);
    if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
    return v < 0 ? "-" + digits : digits;
}

std::string ReportNumber(long long v) {
    std::string text = v < 0 ? std::string() : std::string(1, ' ');
    return text.append(std::to_string(v));
}

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    if (text.substr(i).starts_with('.')) {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i, digits = true;
    }
    if (!digits) return 0.0;
    std::string number(text.substr(start, i - start));
    double v = std::strtod(number.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

namespace {
// Bytes of the character that starts at s[i]: a lead byte takes the continuation bytes it
// announces (as many as follow); anything else stands alone.
std::size_t CharBytes(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t wanted = lead >= 0xF0 && lead < 0xF8   ? 3
                               : lead >= 0xE0 && lead < 0xF0 ? 2
                               : lead >= 0xC0 && lead < 0xE0 ? 1
                                                             : 0;
    std::size_t n = 1;
    while (n <= wanted && i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}
}  // namespace

std::size_t Utf8Length(std::string_view s) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); i += CharBytes(s, i)) ++chars;
    return chars;
}

std::string_view Utf8Prefix(std::string_view s, std::size_t chars) {
    std::size_t i = 0;
    for (; i < s.size() && chars > 0; --chars) i += CharBytes(s, i);
    return s.substr(0, i);
}

std::string Trim(std::string_view s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    std::size_t e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

std::string TrimRight(std::string_view s) {
    std::size_t e = s.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

}  // namespace zenthar
