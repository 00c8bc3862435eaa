// How long a battle sound plays, read from its header: the turn report waits that long.
#include <initializer_list>

#include "reports/wav_length.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

const fs::path kProgramDir(ZENTHAR_PROGRAM_DIR);

// Each field little-endian in the number of bytes given.
std::string Le(std::initializer_list<std::pair<std::uint32_t, int>> fields) {
    std::string bytes;
    for (auto [v, n] : fields)
        for (int i = 0; i < n; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    return bytes;
}

// PCM, mono, 22050 frames and `byteRate` bytes a second, 2 bytes a frame of 16 bits.
std::string Fmt(std::uint32_t byteRate) {
    return "fmt " + Le({{16, 4}, {1, 2}, {1, 2}, {22050, 4}, {byteRate, 4}, {2, 2}, {16, 2}});
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + Le({{static_cast<std::uint32_t>(4 + chunks.size()), 4}}) + "WAVE" + chunks;
}

TEST(BattleSounds, TheLengthComesFromTheHeaderAndADamagedHeaderHasNone) {
    TempProgramFolder folder;
    auto lengthOf = [&](const std::string& bytes) {
        const auto file = folder.path() / "tone.wav";
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        return WavLengthMs(file);
    };
    // Odd-sized chunks before the audio, the format's own as well, are skipped with their pad
    // byte; every byte of the rate counts (0x0302A1 bytes a second).
    const std::string list = "LIST" + Le({{3, 4}}) + std::string("abc\0", 4);
    EXPECT_EQ(lengthOf(Riff(Fmt(44100) + list + "data" + Le({{44100 * 3 / 2, 4}}))), 1500);
    const std::string longFmt =
        "fmt " + Le({{17, 4}}) + Fmt(1000).substr(8) + std::string("x\0", 2);
    EXPECT_EQ(lengthOf(Riff(longFmt + "data" + Le({{3000, 4}}))), 3000);
    EXPECT_EQ(lengthOf(Riff(Fmt(0x0302A1) + "data" + Le({{0x0302A1 * 2, 4}}))), 2000);
    EXPECT_EQ(lengthOf(Riff(Fmt(1000) + "data" + Le({{0x01020304, 4}}))), 0x01020304);
    // A handful of chunks may come first, up to the 64th chunk.
    EXPECT_EQ(lengthOf(Riff(std::string(8 * 62, '\0') + Fmt(1000) + "data" + Le({{1000, 4}}))),
              1000);

    const std::pair<const char*, std::string> damaged[] = {
        {"no header", ""},
        {"not RIFF", "RIFX" + Riff(Fmt(44100)).substr(4)},
        {"not WAVE", Riff("").substr(0, 8) + "AVI " + Fmt(44100)},
        {"no audio chunk", Riff(Fmt(44100))},
        {"audio before its format", Riff("data" + Le({{100, 4}}) + Fmt(44100))},
        {"a format chunk too short", Riff("fmt " + Le({{8, 4}}) + std::string(8, '\1'))},
        {"a format chunk cut off", Riff(Fmt(44100).substr(0, 14))},
        {"a chunk head cut off", Riff(Fmt(44100) + "da")},
        {"a silent rate", Riff(Fmt(0) + "data" + Le({{100, 4}}))},
        {"the audio as the 65th chunk",
         Riff(std::string(8 * 63, '\0') + Fmt(1000) + "data" + Le({{1000, 4}}))}};
    for (const auto& [what, bytes] : damaged) EXPECT_EQ(lengthOf(bytes), std::nullopt) << what;
    EXPECT_FALSE(WavLengthMs(kProgramDir / "crt.dat") || WavLengthMs(kProgramDir / "no-such.wav"));

    for (const char* game : {"laserfr3.wav", "spcshlnd.wav", "explode.wav"}) {
        const int length = WavLengthMs(kProgramDir / game).value_or(0);
        EXPECT_TRUE(length > 50 && length < 10000) << game;
    }
}

}  // namespace
}  // namespace zenthar::testing
