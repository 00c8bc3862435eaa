// Writing the turn report file of a year end.
#include "turn/turnreport.h"

#include "game/numbers.h"

namespace zenthar {
namespace {

constexpr char kTab = '\t';
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

TurnReport::TurnReport(ReportFile& file) : file_(file) {
    file_.begin();
}

TurnReport::~TurnReport() {
    close();
}

void TurnReport::write(std::string_view text) {
    if (!closed_) file_.append(text);
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

bool TurnReport::close() {
    if (!closed_) {
        closed_ = true;
        written_ = file_.finish();
    }
    return written_;
}

}  // namespace zenthar
