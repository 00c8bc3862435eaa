// How long a sound file of the battle window plays, read from its RIFF/WAVE header, so the
// window never waits on a sound longer than the sound itself lasts.
#pragma once

#include <filesystem>
#include <optional>

namespace zenthar {

// Milliseconds of audio in a PCM WAVE file; nothing when the file is missing or is not a WAVE
// file this reader understands.
std::optional<int> WavLengthMs(const std::filesystem::path& file);

}  // namespace zenthar
