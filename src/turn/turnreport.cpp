// Writing the turn report file of a year end.
#include "turn/turnreport.h"

#include "game/numbers.h"

namespace zenthar {
namespace {

constexpr char kTab = '\t';
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kFlushAt = 1 << 16;

}  // namespace

TurnReport::TurnReport(std::filesystem::path file) : path_(std::move(file)) {
    text_.reserve(kFlushAt);
    if (path_.empty()) {
        ok_ = true;
        return;
    }
    out_.open(path_, std::ios::out | std::ios::binary | std::ios::trunc);
    ok_ = out_.is_open();
    if (!ok_) {
        // Better no report than last year's shown as this year's.
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
}

TurnReport::~TurnReport() {
    close();
}

void TurnReport::write(std::string_view text) {
    if (!out_.is_open() && !inMemory()) return;
    text_.append(text);
    if (out_.is_open() && text_.size() - written_ >= kFlushAt) flush();
}

void TurnReport::flush() {
    out_.write(text_.data() + written_, static_cast<std::streamsize>(text_.size() - written_));
    written_ = text_.size();
}

void TurnReport::field(std::string_view text) {
    write(text);
    write(std::string_view(&kTab, 1));
}

void TurnReport::numberField(long long value) {
    field(ReportNumber(value));
}

void TurnReport::endLine(std::string_view text) {
    write(text);
    write(kLineEnd);
}

void TurnReport::yearLine(long long year) {
    field("Current Year: ");
    endLine(ReportNumber(year));
}

void TurnReport::header() {
    for (std::string_view title : {"Attacker", "Planet", "Defender", "Attacking Ships",
                                   "Defending Ships", "Att.Remaining", "Def.Remaining"})
        field(title);
    endLine("Result");
}

void TurnReport::close() {
    if (!out_.is_open()) return;
    flush();
    out_.close();
    if (out_.fail()) ok_ = false;
}

}  // namespace zenthar
