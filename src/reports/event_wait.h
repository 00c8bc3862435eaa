// The battle window's pauses: the window keeps handling clicks (the skip buttons) while the
// year end waits, and the sounds play to their end without ever hanging the game.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>

class QSoundEffect;

namespace zenthar::ui {

// Waits about ms milliseconds while the application keeps processing its events. 0 or less
// only processes what is pending.
void WaitProcessingEvents(int ms);

// True when the machine offers at least one audio output.
bool HasAudioOutput();

class SoundPlayer {
  public:
    explicit SoundPlayer(std::filesystem::path programFolder);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Plays a sound file of the program folder and returns when it has finished. Returns at
    // once when there is no audio output, the file is missing or not a WAVE file, and never
    // waits longer than the sound's own length plus a small margin: without an output device
    // a sound effect never reports that it finished.
    void play(const std::string& fileName);

    // A margin on top of the sound's length for loading and for the device to start.
    static constexpr int kMarginMs = 500;

  private:
    QSoundEffect* effect(const std::string& fileName);
    std::filesystem::path folder_;
    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
};

}  // namespace zenthar::ui
