// Replacing a file whole through a synced temporary and one rename.
#include "game/replace_file.h"

#include <span>

namespace zenthar {

void ReplaceFile(const std::filesystem::path& target, const FileWriter& write,
                 const RenameStep& rename) {
    const std::filesystem::path resolved = ResolvePath(target);
    TemporaryFile temporary(resolved);
    write(temporary);
    temporary.copyModeFrom(resolved);
    temporary.sync();
    if (rename)
        rename(temporary.path(), resolved);
    else
        RenameFile(temporary.path(), resolved);
    temporary.committed();
    SyncFolder(resolved.parent_path());
}

void ReplaceFile(const std::filesystem::path& target, std::string_view content) {
    ReplaceFile(target, [content](TemporaryFile& temporary) {
        temporary.write(
            std::span(reinterpret_cast<const unsigned char*>(content.data()), content.size()));
    });
}

}  // namespace zenthar
