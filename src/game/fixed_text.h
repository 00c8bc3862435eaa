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
    FixedText(std::string_view s) : text_(Fit(s)) {}                     // NOLINT
    FixedText(const char* s) : FixedText(std::string_view(s)) {}         // NOLINT
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
    friend bool operator==(const FixedText& a, std::string_view b) { return a == FixedText(b); }

  private:
    static std::string Fit(std::string_view s) {
        // Ids and scouting digits come already at their width, in plain ASCII, thousands of
        // times a year.
        bool ascii = s.size() == N;
        for (std::size_t i = 0; ascii && i < N; ++i)
            ascii = static_cast<unsigned char>(s[i]) < 0x80;
        if (ascii) return std::string(s);
        std::string text(Utf8Prefix(s, N));
        text.append(N - Utf8Length(text), ' ');
        return text;
    }

    std::string text_;
};

}  // namespace zenthar
