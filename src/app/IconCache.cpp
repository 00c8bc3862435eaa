// Icon files read into pixmaps of the right size.
#include "app/IconCache.h"

#include <QImage>
#include <QImageReader>
#include <cmath>

#include "game/numbers.h"

namespace zenthar::ui {

namespace {

QImage BestImage(const QString& path, int devicePixels) {
    QImageReader reader(path);
    QImage best;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        QImage image = reader.read();
        if (image.isNull()) continue;
        const int size = std::max(image.width(), image.height());
        const int bestSize = best.isNull() ? 0 : std::max(best.width(), best.height());
        // The smallest image that is at least as large as needed, else the largest there is.
        const bool better =
            best.isNull() ||
            (size >= devicePixels && (bestSize < devicePixels || size < bestSize)) ||
            (bestSize < devicePixels && size > bestSize);
        if (better) best = std::move(image);
    }
    return best;
}

}  // namespace

void IconCache::setFolder(std::filesystem::path folder) {
    if (folder == folder_) return;
    folder_ = std::move(folder);
    cache_.clear();
}

QPixmap IconCache::pixmap(const std::string& fileName, int logicalSize, double devicePixelRatio) {
    const std::string name = TrimRight(fileName);
    if (name.empty() || logicalSize <= 0) return {};
    const double dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const Key key{name, logicalSize, static_cast<int>(std::lround(dpr * 100))};
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;

    const int devicePixels = static_cast<int>(std::lround(logicalSize * dpr));
    QImage image = BestImage(QString::fromStdString((folder_ / name).string()), devicePixels);
    QPixmap result;
    if (!image.isNull()) {
        if (image.width() != devicePixels || image.height() != devicePixels)
            image = image.scaled(devicePixels, devicePixels, Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
        result = QPixmap::fromImage(std::move(image));
        result.setDevicePixelRatio(dpr);
    }
    cache_.emplace(key, result);
    return result;
}

}  // namespace zenthar::ui
