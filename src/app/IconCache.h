// The icon files of the map and the panel, read once and kept at the size they are drawn, so a
// map redraw only copies ready pixmaps. A missing or unreadable file gives an empty picture.
#pragma once

#include <QPixmap>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>

namespace zenthar::ui {

class IconCache {
  public:
    void setFolder(std::filesystem::path folder);
    const std::filesystem::path& folder() const { return folder_; }

    // The icon file (trailing blanks of the name ignored) at a logical size, taken from the
    // image of the file that best fits size × devicePixelRatio (the 64 px one on HiDPI
    // screens). A null pixmap when the file is missing or not an image.
    QPixmap pixmap(const std::string& fileName, int logicalSize, double devicePixelRatio);

    // Forgets every picture, so files replaced on disk are read again.
    void clear() { cache_.clear(); }

  private:
    using Key = std::tuple<std::string, int, int>;
    std::filesystem::path folder_;
    std::map<Key, QPixmap> cache_;
};

}  // namespace zenthar::ui
