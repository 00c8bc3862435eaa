// The chronicle's years, and the packing of a year's report for the game file: a report is a
// few kilobytes of the same phrases, which deflate with a dictionary of them shrinks sevenfold.
#include "game/history.h"

#include "game/victory.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

namespace zenthar {
namespace {

// What nearly every report says. Changing it makes every packed report unreadable: the
// dictionary is part of the game file's format.
constexpr std::string_view kDictionary =
    " ships have reached the planet  Empire ships have reached the planet  lost the battle of "
    "The Empire lost the battle of  conquered the planet The Empire conquered the planet "
    "Rebels\tEmpire\tEmpire\t\t\t\t\tPlayer 1\tPlayer 2\tPlayer 3\tPlayer 4\t"
    "Attacker\tPlanet\tDefender\tAttacking Ships\tDefending Ships\tAtt.Remaining\t"
    "Def.Remaining\tResult\r\n\r\nCurrent Year: \t 4";

const Bytef* DictionaryBytes() {
    return reinterpret_cast<const Bytef*>(kDictionary.data());
}

// The framing before the deflated bytes: the mark, the year, the text's length and the checksum
// of the year and the deflated bytes, four bytes each with the low byte first. A frame of an
// earlier version has its own mark and no year, its checksum over the deflated bytes alone. The
// marks' low three bits read as a deflate block of the reserved type, so no bare deflate stream
// of an earlier version starts with either.
constexpr unsigned char kMark = 0x5f;
constexpr std::size_t kFrame = 13;
constexpr unsigned char kMarkWithoutYear = 0x5e;
constexpr std::size_t kFrameWithoutYear = 9;

void PutWord(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
}

std::uint32_t GetWord(const std::string& in, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]);
    return v;
}

std::uint32_t Checksum(const char* data, std::size_t size, uLong crc = crc32(0L, Z_NULL, 0)) {
    return static_cast<std::uint32_t>(
        crc32(crc, reinterpret_cast<const Bytef*>(data), static_cast<uInt>(size)));
}

// The year as the frame holds it, and the checksum that covers it.
std::string YearWord(int year) {
    std::string word;
    PutWord(word, static_cast<std::uint32_t>(year));
    return word;
}

std::uint32_t FrameChecksum(const std::string& packed, std::size_t frame) {
    const char* deflated = packed.data() + frame;
    const std::size_t size = packed.size() - frame;
    if (frame == kFrameWithoutYear) return Checksum(deflated, size);
    return Checksum(deflated, size, Checksum(packed.data() + 1, 4));
}

std::size_t FrameSize(const std::string& packed) {
    return static_cast<unsigned char>(packed[0]) == kMark ? kFrame : kFrameWithoutYear;
}

// Raw deflate: the framing and the file's own checks guard the bytes, a zlib header would only
// add size.
bool Inflate(const char* data, std::size_t size, std::string& text, std::size_t limit) {
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK) return false;
    inflateSetDictionary(&z, DictionaryBytes(), static_cast<uInt>(kDictionary.size()));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    z.avail_in = static_cast<uInt>(size);
    std::string out(std::min<std::size_t>(limit, size * 8 + 64), '\0');
    int rc = Z_OK;
    while (rc == Z_OK) {
        if (z.total_out == out.size()) {
            if (out.size() >= limit) break;
            out.resize(std::min(limit, out.size() * 2));
        }
        z.next_out = reinterpret_cast<Bytef*>(out.data() + z.total_out);
        z.avail_out = static_cast<uInt>(out.size() - z.total_out);
        rc = inflate(&z, Z_NO_FLUSH);
        if (rc == Z_BUF_ERROR && z.avail_in == 0) break;
        if (rc == Z_BUF_ERROR) rc = Z_OK;
    }
    const bool whole = rc == Z_STREAM_END && z.avail_in == 0;
    out.resize(z.total_out);
    inflateEnd(&z);
    if (!whole) return false;
    text = std::move(out);
    return true;
}

}  // namespace

const SideYear* HistoryYear::find(int side) const {
    for (const SideYear& s : sides)
        if (s.side == side) return &s;
    return nullptr;
}

bool HistoryYear::report(std::string& text) const {
    if (packed_.empty() || !text_.empty()) {
        text = text_;
        return true;
    }
    return UnpackReport(packed_, text, kMaxReportBytes);
}

const std::string& HistoryYear::packedReport() const {
    if (packed_.empty() && !text_.empty()) packed_ = PackReport(text_, year);
    return packed_;
}

const HistoryYear* History::find(int year) const {
    for (const auto& y : years_)
        if (y->year == year) return y.get();
    return nullptr;
}

namespace {

// Who had won by the year's end, by the figures the year end recorded; with `timeUp`, the year
// was the game's last.
int WinnerOfYear(const HistoryYear& year, int players, bool timeUp) {
    std::array<bool, kSides> holds{};
    std::array<bool, kSides> inFlight{};
    TimeOut time{timeUp, {}};
    time.scores.fill(std::numeric_limits<long long>::min());
    for (const SideYear& s : year.sides) {
        if (s.side < 0 || s.side >= kSides) continue;
        const auto k = static_cast<std::size_t>(s.side);
        holds[k] = s.planets > 0;
        inFlight[k] = s.shipsInFlight > 0;
        // A year of a file from before the score counts below any score.
        if (s.score != kNoFigure) time.scores[k] = s.score;
    }
    return WinnerOf(players, holds, inFlight, time);
}

}  // namespace

int LastWinner(const History& chronicle, int players, int length) {
    for (std::size_t i = chronicle.size(); i-- > 0;) {
        // Only the last year can be the one the time ran out with.
        const bool last = i + 1 == chronicle.size();
        const int winner =
            WinnerOfYear(chronicle[i], players, last && TimeIsUp(length, chronicle[i].year));
        if (winner >= 0) return winner;
    }
    return -1;
}

bool EndedOnScore(const History& chronicle, int players, int length) {
    return !chronicle.empty() && TimeIsUp(length, chronicle.back().year) &&
           WinnerOfYear(chronicle.back(), players, false) < 0;
}

std::vector<int> ScoreLeaders(const HistoryYear& year) {
    int top = kNoFigure;
    for (const SideYear& s : year.sides) top = std::max(top, s.score);
    std::vector<int> leaders;
    for (const SideYear& s : year.sides)
        if (s.score == top && top != kNoFigure) leaders.push_back(s.side);
    return leaders;
}

std::string PackReport(const std::string& text, int year) {
    if (text.empty() || text.size() > UINT32_MAX) return {};
    z_stream z{};
    if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    deflateSetDictionary(&z, DictionaryBytes(), static_cast<uInt>(kDictionary.size()));
    std::string out(kFrame + deflateBound(&z, static_cast<uLong>(text.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data() + kFrame);
    z.avail_out = static_cast<uInt>(out.size() - kFrame);
    const int rc = deflate(&z, Z_FINISH);
    out.resize(kFrame + z.total_out);
    deflateEnd(&z);
    if (rc != Z_STREAM_END) return {};
    std::string head(1, static_cast<char>(kMark));
    head.append(YearWord(year));
    out.replace(0, 5, head);
    std::string frame = out.substr(0, 5);
    PutWord(frame, static_cast<std::uint32_t>(text.size()));
    PutWord(frame, FrameChecksum(out, kFrame));
    out.replace(0, kFrame, frame);
    return out;
}

bool Framed(const std::string& packed) {
    return !packed.empty() && (static_cast<unsigned char>(packed[0]) == kMark ||
                               static_cast<unsigned char>(packed[0]) == kMarkWithoutYear);
}

bool PackedReportIntact(const std::string& packed, std::size_t limit, int year) {
    if (!Framed(packed)) return false;
    const std::size_t frame = FrameSize(packed);
    if (packed.size() <= frame) return false;
    if (frame == kFrame && packed.compare(1, 4, YearWord(year)) != 0) return false;
    const std::uint32_t length = GetWord(packed, frame - 8);
    return length > 0 && length <= limit &&
           GetWord(packed, frame - 4) == FrameChecksum(packed, frame);
}

bool UnpackReport(const std::string& packed, std::string& text, std::size_t limit) {
    text.clear();
    if (packed.empty()) return true;
    if (!Framed(packed)) return Inflate(packed.data(), packed.size(), text, limit);
    const std::size_t frame = FrameSize(packed);
    if (packed.size() <= frame) return false;
    const std::uint32_t length = GetWord(packed, frame - 8);
    if (length == 0 || length > limit || GetWord(packed, frame - 4) != FrameChecksum(packed, frame))
        return false;
    std::string out;
    // A byte of room past the length, or a stream that fills the room exactly would never be
    // seen to end.
    if (!Inflate(packed.data() + frame, packed.size() - frame, out, length + std::size_t{1}) ||
        out.size() != length)
        return false;
    text = std::move(out);
    return true;
}

}  // namespace zenthar
