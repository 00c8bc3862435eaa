// The small settings file beside the program (zenthar.ini): sections in brackets and
// "key=value" lines. The game keeps only the web browser used for the help page in it.
#pragma once

#include <filesystem>
#include <string>

namespace zenthar {

// What ReadIniValue returns when there is nothing to read.
inline constexpr const char* kIniUnknown = "unknown";
inline constexpr std::size_t kIniValueMax = 254;
// Reading looks at this much of the file; the settings the game keeps fit many times over.
inline constexpr std::size_t kIniReadMax = 64 * 1024;

// The value of key in section (both matched without regard to case), without the blanks
// around it and without one pair of enclosing double quotes, cut to its first 254 characters.
// "unknown" when the file, the section or the key is missing or the value is empty. Only the
// first kIniReadMax bytes of the file are read.
std::string ReadIniValue(const std::filesystem::path& file, const std::string& section,
                         const std::string& key);

// Sets key in section to value, creating the file, the section or the key as needed and
// keeping every other line as it was. The file is replaced in one step, so a failure part way
// never leaves a damaged settings file. False when the file could not be written or when a
// name or the value would break the file's layout (a line break, a bracket in the section,
// an equals sign in the key); nothing is changed then.
bool WriteIniValue(const std::filesystem::path& file, const std::string& section,
                   const std::string& key, const std::string& value);

}  // namespace zenthar
