// The ICO files of the game's pictures: writing them, reading them back, and the PNG and file
// writing they share with the other pictures.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace icons {

QByteArray pngBytes(const QImage& img);
// Written whole or not at all.
bool writeFile(const QString& path, const QByteArray& data);
// One icon file holding the images, each as PNG.
bool writeIco(const QString& path, const QList<QImage>& images);
// Reads an icon back the way the game will and checks both sizes (32 and 64) are there.
bool verifyIco(const QString& path);
// The image of one size from an icon file, or a null image.
QImage readIcoSize(const QString& path, int size);

}  // namespace icons
