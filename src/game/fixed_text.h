// Texts of fixed width (planet names, ids, icon names, scouting digits): always padded with
// blanks to their width and cut when longer, so comparisons work on the padded form. The width
// counts characters (UTF-8 code points), so an accented name keeps as many letters as any other.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "game/numbers.h"

namespace zenthar {

template <std::size_t N>
class FixedText {
public:
    FixedText() : text_(N, ' ') {}
    FixedText(std::string_view s) : text_(Utf8Prefix(s, N)) {  // NOLINT
        text_.append(N - Utf8Length(text_), ' ');
    }
    FixedText(const char* s) : FixedText(std::string_view(s)) {}  // NOLINT
    FixedText(const std::string& s) : FixedText(std::string_view(s)) {}  // NOLINT

    static constexpr std::size_t width() { return N; }

    const std::string& padded() const { return text_; }
    std::string trimmed() const { return Trim(text_); }
    // Blank when nothing but blanks is left once trimmed.
    bool blank() const { return text_.find_first_not_of(' ') == std::string::npos; }

    char operator[](std::size_t i) const { return text_[i]; }
    // Overwrites one character in place, as writing a scouting digit does (those texts are
    // digits only, so a byte is a character there).
    void setChar(std::size_t i, char c) {
        if (i < text_.size()) text_[i] = c;
    }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.text_ == b.text_; }
    friend bool operator==(const FixedText& a, std::string_view b) {
        return a == FixedText(b);
    }

private:
    std::string text_;
};

}  // namespace zenthar
