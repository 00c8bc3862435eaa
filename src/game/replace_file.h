// Replacing a file whole. The new content is written beside the target, reaches the disk and is
// renamed over it in one step, so a reader, a crash or a power cut finds the old file or the new
// one, never a part of either.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "game/savefile.h"

namespace zenthar {

// Fills the temporary that takes the target's place; it may write through the temporary or open
// its path (SQLite does).
using FileWriter = std::function<void(TemporaryFile&)>;

// Replaces target with what write puts into a temporary beside it. A link is followed: the file
// it names is replaced and the link stays. The new file keeps the old one's permission bits. On
// failure the target is as it was, the temporary is gone and SaveLoadError (or whatever write
// threw) is thrown. rename, when given, stands in for the final rename (tests inject failures).
void ReplaceFile(const std::filesystem::path& target, const FileWriter& write,
                 const RenameStep& rename = {});

// The same with content already in memory.
void ReplaceFile(const std::filesystem::path& target, std::string_view content);

}  // namespace zenthar
