// Draws every icon and picture Zenthar ships with, so the art can be tweaked
// and regenerated instead of hand-edited pixel by pixel.
//
//   gen_icons [OUTPUT_DIR] [--contact SHEET.png]
//
// All drawing happens in a 100x100 logical square (wider for the battle
// pictures) and is scaled to the target size, so the 32 and 64 pixel images
// of one icon are the same drawing.  Nothing here is random at run time:
// regenerating gives identical pictures.

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>

#include "ico.h"
#include "pictures.h"
#include "svg.h"

using namespace icons;

namespace {

struct IconJob {
    const char* file;
    DrawFn draw;
};

// Every icon at both sizes on the black map and on a light window face, then
// the battle pictures: one glance shows whether anything is hard to see.
void writeContactSheet(const QString& dir, const QStringList& icons, const QStringList& pngs,
                       const QString& out) {
    const int cell = 76;
    const int cols = int(icons.size());
    const QColor backs[] = {Qt::black, QColor(0xd4, 0xd0, 0xc8), QColor(0xf0, 0xf0, 0xf0)};
    const int w = std::max(cols * cell, 760);
    const int h = 6 * cell + 280;
    QImage sheet(w, h, QImage::Format_ARGB32);
    sheet.fill(QColor(60, 60, 60));
    QPainter p(&sheet);
    int row = 0;
    for (int size : {64, 32}) {
        for (const QColor& back : backs) {
            if (size == 32 && back == QColor(0xf0, 0xf0, 0xf0)) continue;
            p.fillRect(0, row * cell, w, cell, back);
            for (int i = 0; i < cols; ++i) {
                const QImage img = readIcoSize(dir + '/' + icons[i], size);
                p.drawImage(i * cell + (cell - size) / 2, row * cell + (cell - size) / 2, img);
            }
            ++row;
        }
    }
    // Battle pictures on black, the app emblem on grey.
    const int top = row * cell;
    p.fillRect(0, top, w, h - top, Qt::black);
    int x = 8;
    for (const QString& name : pngs) {
        const QImage img(dir + '/' + name);
        if (name == QLatin1String("zenthar.png")) {
            p.fillRect(x - 4, top, img.width() + 8, h - top, QColor(0xd4, 0xd0, 0xc8));
        }
        p.drawImage(x, top + 8, img);
        x += img.width() + 12;
        if (x > w - 100) break;
    }
    p.end();
    sheet.save(out);
}

}  // namespace

int main(int argc, char** argv) {
    // A generator should never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString outDir = QStringLiteral(ZENTHAR_ASSETS_DIR);
    QString contact;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--contact") && i + 1 < args.size())
            contact = args[++i];
        else
            outDir = args[i];
    }
    QDir().mkpath(outDir);
    outDir = QDir(outDir).absolutePath();

    const QList<IconJob> icons = {
        {"good_pl.ico",
         [](QPainter& p, const Ctx& c) {
             drawLush(p, c, {50, 50}, 40, false);
         }},
        {"med_pl.ico",
         [](QPainter& p, const Ctx& c) {
             drawDesert(p, c, {50, 50}, 28, false);
         }},
        {"bad_pl.ico",
         [](QPainter& p, const Ctx& c) {
             drawVolcanic(p, c, {50, 50}, 40, false);
         }},
        {"good.ico",
         [](QPainter& p, const Ctx& c) {
             drawLush(p, c, {46, 54}, 40, true);
             drawMoon(p, c, {84, 15}, 9);
         }},
        {"medium.ico",
         [](QPainter& p, const Ctx& c) {
             drawDesert(p, c, {50, 52}, 28, true);
         }},
        {"bad.ico",
         [](QPainter& p, const Ctx& c) {
             drawVolcanic(p, c, {52, 52}, 41, true);
         }},
        {"empire.ico", drawEmpire},
        {"shipvert.ico", drawShipVert},
        {"mac.ico", drawSaucer},
        {"shiporiz.ico", drawShipHoriz},
        {"flsp.ico", drawDelta},
        {"zenthar.ico", drawZenthar},
    };

    bool ok = true;
    std::printf("writing to %s\n", qPrintable(outDir));
    QStringList icoNames;
    for (const IconJob& job : icons) {
        const QString path = outDir + '/' + QLatin1String(job.file);
        const QList<QImage> images = {render(job.draw, 32, 32), render(job.draw, 64, 64)};
        if (!writeIco(path, images)) {
            std::printf("  FAIL cannot write %s\n", qPrintable(path));
            ok = false;
            continue;
        }
        ok = verifyIco(path) && ok;
        icoNames << QLatin1String(job.file);
    }

    struct PngJob {
        const char* file;
        DrawFn draw;
        int w, h;
        double lw, lh;
    };
    const QList<PngJob> pngs = {
        {"zenthar.png", drawZenthar, 256, 256, 100, 100},
        {"logo.png", drawZenthar, 64, 64, 100, 100},
        {"tracker.png", drawTracker, 96, 64, 150, 100},
        {"skimmer.png", drawSkimmer, 96, 64, 150, 100},
        {"blownup.png", drawBlownUp, 96, 96, 100, 100},
        {"image1.png", drawBanner, 300, 120, 300, 120},
        // Twice as many pixels for screens that scale by two: the windows take these there.
        {"logo@2x.png", drawZenthar, 128, 128, 100, 100},
        {"tracker@2x.png", drawTracker, 192, 128, 150, 100},
        {"skimmer@2x.png", drawSkimmer, 192, 128, 150, 100},
        {"blownup@2x.png", drawBlownUp, 192, 192, 100, 100},
        {"image1@2x.png", drawBanner, 600, 240, 300, 120},
    };
    QStringList pngNames;
    for (const PngJob& job : pngs) {
        const QString path = outDir + '/' + QLatin1String(job.file);
        const QImage img = render(job.draw, job.w, job.h, job.lw, job.lh);
        const bool saved = writeFile(path, pngBytes(img));
        const QImage back(path);
        const bool good = saved && back.size() == QSize(job.w, job.h) && back.hasAlphaChannel();
        std::printf("  %s %-14s %dx%d\n", good ? "ok  " : "FAIL", job.file, job.w, job.h);
        ok = ok && good;
        if (!QString::fromLatin1(job.file).contains('@')) pngNames << QLatin1String(job.file);
    }

    // The freedesktop icon theme: the emblem at each size a desktop asks for, and scalable.
    for (const int size : {16, 22, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(outDir).arg(size);
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/zenthar.png");
        const bool saved = writeFile(path, pngBytes(render(drawZenthar, size, size)));
        const QImage back(path);
        const bool good = saved && back.size() == QSize(size, size) && back.hasAlphaChannel();
        std::printf("  %s hicolor %dx%d\n", good ? "ok  " : "FAIL", size, size);
        ok = ok && good;
    }
    {
        const QString folder = outDir + QStringLiteral("/hicolor/scalable/apps");
        QDir().mkpath(folder);
        const bool good = writeFile(folder + QStringLiteral("/zenthar.svg"), zentharSvg());
        std::printf("  %s hicolor scalable\n", good ? "ok  " : "FAIL");
        ok = ok && good;
    }

    if (!contact.isEmpty()) {
        pngNames.removeAll(QStringLiteral("logo.png"));
        pngNames.move(0, pngNames.size() - 1);  // big emblem last
        writeContactSheet(outDir, icoNames, pngNames, contact);
        std::printf("contact sheet: %s\n", qPrintable(contact));
    }
    std::printf(ok ? "all assets written and read back\n" : "SOME ASSETS FAILED\n");
    return ok ? 0 : 1;
}
