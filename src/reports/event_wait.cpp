// Waiting with the user interface alive, and sounds played to their end.
#include "reports/event_wait.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include "reports/wav_length.h"

namespace zenthar::ui {

void WaitProcessingEvents(int ms) {
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool HasAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

SoundPlayer::SoundPlayer(std::filesystem::path programFolder) : folder_(std::move(programFolder)) {}

SoundPlayer::~SoundPlayer() = default;

QSoundEffect* SoundPlayer::effect(const std::string& fileName) {
    auto it = effects_.find(fileName);
    if (it != effects_.end()) return it->second.get();
    auto e = std::make_unique<QSoundEffect>();
    e->setSource(QUrl::fromLocalFile(QString::fromStdString((folder_ / fileName).string())));
    return effects_.emplace(fileName, std::move(e)).first->second.get();
}

void SoundPlayer::play(const std::string& fileName) {
    if (!HasAudioOutput()) return;
    const std::optional<int> length = WavLengthMs(folder_ / fileName);
    if (!length) return;

    QSoundEffect* e = effect(fileName);
    QElapsedTimer clock;
    clock.start();
    while (e->status() == QSoundEffect::Loading && clock.elapsed() < kMarginMs)
        WaitProcessingEvents(10);
    if (e->status() != QSoundEffect::Ready) return;

    e->play();
    clock.restart();
    const qint64 limit = static_cast<qint64>(*length) + kMarginMs;
    // Until the effect has started, isPlaying() is still false; give it the margin to start.
    while (clock.elapsed() < limit) {
        WaitProcessingEvents(10);
        if (!e->isPlaying() && clock.elapsed() >= std::min<qint64>(*length, kMarginMs)) break;
    }
    if (e->isPlaying()) e->stop();
}

}  // namespace zenthar::ui
