// Reading and writing one key of the settings file.
#include "options/inifile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "game/numbers.h"
#include "game/storage.h"

namespace zenthar {

namespace {

std::string Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return std::string(s.substr(first, last - first + 1));
}

struct Line {
    std::string text;  // without its line end
    bool crlf = false;
};

// At most `limit` bytes are read; a line cut by the limit is left out rather than misread.
std::optional<std::vector<Line>> ReadLines(const std::filesystem::path& file,
                                           std::size_t limit = SIZE_MAX) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text;
    if (limit == SIZE_MAX) {
        std::ostringstream all;
        all << in.rdbuf();
        text = all.str();
    } else {
        text.resize(limit);
        in.read(text.data(), static_cast<std::streamsize>(limit));
        text.resize(static_cast<std::size_t>(in.gcount()));
        if (text.size() == limit) {
            const auto lastEnd = text.rfind('\n');
            text.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
        }
    }
    if (in.bad()) return std::nullopt;
    std::vector<Line> lines;
    std::istringstream split(text);
    std::string s;
    while (std::getline(split, s)) {
        Line line;
        if (!s.empty() && s.back() == '\r') {
            s.pop_back();
            line.crlf = true;
        }
        line.text = std::move(s);
        lines.push_back(std::move(line));
    }
    return lines;
}

// The section name of a "[name]" line.
std::optional<std::string> SectionOf(const std::string& line) {
    const std::string t = Trimmed(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    const auto close = t.find(']');
    if (close == std::string::npos) return std::nullopt;
    return Trimmed(std::string_view(t).substr(1, close - 1));
}

// The key of a "key=value" line.
std::optional<std::string> KeyOf(const std::string& line) {
    const std::string t = Trimmed(line);
    if (t.empty() || t.front() == ';' || t.front() == '#') return std::nullopt;
    const auto eq = t.find('=');
    if (eq == std::string::npos) return std::nullopt;
    return Trimmed(std::string_view(t).substr(0, eq));
}

bool HasLineBreak(const std::string& s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

}  // namespace

std::string ReadIniValue(const std::filesystem::path& file, const std::string& section,
                         const std::string& key) {
    // Help Index reads the file every time: a huge file must not freeze the window.
    const auto lines = ReadLines(file, kIniReadMax);
    if (!lines) return kIniUnknown;
    bool inSection = false;
    for (const Line& line : *lines) {
        if (auto name = SectionOf(line.text)) {
            inSection = EqualsNoCase(*name, section);
            continue;
        }
        if (!inSection) continue;
        const auto k = KeyOf(line.text);
        if (!k || !EqualsNoCase(*k, key)) continue;
        std::string value = Trimmed(std::string_view(line.text).substr(line.text.find('=') + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.size() > kIniValueMax) value.resize(kIniValueMax);
        return value.empty() ? std::string(kIniUnknown) : value;
    }
    return kIniUnknown;
}

bool WriteIniValue(const std::filesystem::path& file, const std::string& section,
                   const std::string& key, const std::string& value) {
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
    if (section.find(']') != std::string::npos || key.find('=') != std::string::npos) return false;
    if (Trimmed(section).empty() || Trimmed(key).empty()) return false;

    std::error_code ec;
    std::vector<Line> lines;
    if (std::filesystem::exists(file, ec)) {
        auto read = ReadLines(file);
        if (!read) return false;
        lines = std::move(*read);
    }
    const bool crlf = !lines.empty() && lines.front().crlf;
    const Line entry{key + "=" + value, crlf};

    // Find the section and, inside it, the key; remember where the section's last entry is.
    std::optional<std::size_t> sectionAt;
    std::optional<std::size_t> keyAt;
    std::size_t insertAt = lines.size();
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionOf(lines[i].text)) {
            if (inSection) break;
            inSection = EqualsNoCase(*name, section);
            if (inSection) {
                sectionAt = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (!inSection) continue;
        if (!Trimmed(lines[i].text).empty()) insertAt = i + 1;
        if (auto k = KeyOf(lines[i].text); k && EqualsNoCase(*k, key)) {
            keyAt = i;
            break;
        }
    }
    if (keyAt) {
        lines[*keyAt] = entry;
    } else if (sectionAt) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    } else {
        if (!lines.empty() && !Trimmed(lines.back().text).empty()) lines.push_back({"", crlf});
        lines.push_back({"[" + section + "]", crlf});
        lines.push_back(entry);
    }

    std::ostringstream out;
    for (const Line& line : lines) out << line.text << (line.crlf ? "\r\n" : "\n");

    // Readers see the old file or the new one, never half of it. The settings file is the
    // game's own: a link at its name is refused.
    try {
        ReplaceFile(file, out.str(), NamedBy::Game);
    } catch (const StorageError&) {
        return false;
    }
    return true;
}

}  // namespace zenthar
