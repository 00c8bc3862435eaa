// The ICO files: Qt reads icons but cannot write them, so the container is assembled here,
// and every icon is read back the way the game reads it.
#include "ico.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

namespace icons {

QByteArray pngBytes(const QImage& img) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& data) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(data);
    return f.commit();
}

// Qt can read icons but not write them, so the container is assembled here:
// ICONDIR, one ICONDIRENTRY per image, then PNG-compressed payloads, which
// every reader from Vista on (and Qt's own) understands.
bool writeIco(const QString& path, const QList<QImage>& images) {
    QList<QByteArray> payloads;
    for (const QImage& img : images) payloads.append(pngBytes(img));

    QByteArray out;
    auto put16 = [&](quint16 v) {
        out.append(char(v & 0xff));
        out.append(char(v >> 8));
    };
    auto put32 = [&](quint32 v) {
        put16(quint16(v & 0xffff));
        put16(quint16(v >> 16));
    };
    put16(0);  // reserved
    put16(1);  // type: icon
    put16(quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QImage& img = images[i];
        out.append(char(img.width() >= 256 ? 0 : img.width()));
        out.append(char(img.height() >= 256 ? 0 : img.height()));
        out.append(char(0));  // no palette
        out.append(char(0));  // reserved
        put16(1);             // colour planes
        put16(32);            // bits per pixel
        put32(quint32(payloads[i].size()));
        put32(offset);
        offset += quint32(payloads[i].size());
    }
    for (const QByteArray& p : payloads) out.append(p);
    return writeFile(path, out);
}

// Reads an icon back the way the game will and checks both sizes are there.
bool verifyIco(const QString& path) {
    QImageReader reader(path);
    if (QString::fromLatin1(reader.format()) != QLatin1String("ico")) {
        std::printf("  FAIL %s: not recognised as ico (%s)\n", qPrintable(path),
                    reader.format().constData());
        return false;
    }
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i)) break;
        const QImage img = reader.read();
        if (img.isNull()) {
            std::printf("  FAIL %s: image %d unreadable: %s\n", qPrintable(path), i,
                        qPrintable(reader.errorString()));
            return false;
        }
        sizes.append(img.width());
    }
    std::sort(sizes.begin(), sizes.end());
    const bool ok = sizes == QList<int>{32, 64};
    std::printf("  %s %-14s images:", ok ? "ok  " : "FAIL", qPrintable(QFileInfo(path).fileName()));
    for (int s : sizes) std::printf(" %dx%d", s, s);
    std::printf("\n");
    return ok;
}

QImage readIcoSize(const QString& path, int size) {
    QImageReader reader(path);
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage img = reader.read();
        if (img.width() == size) return img;
    }
    return {};
}

}  // namespace icons
