// RIFF/WAVE header reader.
#include "reports/wav_length.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace zenthar {

namespace {

std::uint32_t Le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

std::optional<int> WavLengthMs(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::array<unsigned char, 12> riff{};
    if (!in.read(reinterpret_cast<char*>(riff.data()), riff.size())) return std::nullopt;
    if (std::memcmp(riff.data(), "RIFF", 4) != 0 || std::memcmp(riff.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;

    std::uint32_t byteRate = 0;
    // A handful of chunks at most precede the audio; a file that never gets there is damaged.
    for (int chunk = 0; chunk < 64; ++chunk) {
        std::array<unsigned char, 8> head{};
        if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return std::nullopt;
        const std::uint32_t size = Le32(head.data() + 4);
        if (std::memcmp(head.data(), "fmt ", 4) == 0) {
            std::array<unsigned char, 16> fmt{};
            if (size < fmt.size()) return std::nullopt;
            if (!in.read(reinterpret_cast<char*>(fmt.data()), fmt.size())) return std::nullopt;
            byteRate = Le32(fmt.data() + 8);
            in.seekg(static_cast<std::streamoff>(size - fmt.size() + (size & 1U)), std::ios::cur);
        } else if (std::memcmp(head.data(), "data", 4) == 0) {
            if (byteRate == 0) return std::nullopt;
            return static_cast<int>(static_cast<std::uint64_t>(size) * 1000U / byteRate);
        } else {
            in.seekg(static_cast<std::streamoff>(size + (size & 1U)), std::ios::cur);
        }
        if (!in) return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace zenthar
