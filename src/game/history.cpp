// The chronicle's years, and the packing of a year's report for the game file: a report is a
// few kilobytes of the same phrases, which deflate with a dictionary of them shrinks sevenfold.
#include "game/history.h"

#include <zlib.h>

#include <algorithm>
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

}  // namespace

const SideYear* HistoryYear::find(int side) const {
    for (const SideYear& s : sides)
        if (s.side == side) return &s;
    return nullptr;
}

const std::string& HistoryYear::packedReport() const {
    if (packed_.empty() && !report.empty()) packed_ = PackReport(report);
    return packed_;
}

const HistoryYear* History::find(int year) const {
    for (const auto& y : years_)
        if (y->year == year) return y.get();
    return nullptr;
}

std::string PackReport(const std::string& text) {
    if (text.empty()) return {};
    z_stream z{};
    // Raw deflate: the file's own checks guard the bytes, a second header would only add size.
    if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    deflateSetDictionary(&z, DictionaryBytes(), static_cast<uInt>(kDictionary.size()));
    std::string out(deflateBound(&z, static_cast<uLong>(text.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return rc == Z_STREAM_END ? out : std::string();
}

bool UnpackReport(const std::string& packed, std::string& text, std::size_t limit) {
    text.clear();
    if (packed.empty()) return true;
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK) return false;
    inflateSetDictionary(&z, DictionaryBytes(), static_cast<uInt>(kDictionary.size()));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = static_cast<uInt>(packed.size());
    std::string out(std::min<std::size_t>(limit, packed.size() * 8 + 64), '\0');
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

}  // namespace zenthar
