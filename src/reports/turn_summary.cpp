// Turn report file reader for the End Turn Summary window.
#include "reports/turn_summary.h"

#include <fstream>
#include <sstream>

namespace zenthar {

namespace {

SummaryRow SplitAtTabs(const std::string& line) {
    SummaryRow row{};
    std::size_t start = 0;
    for (int column = 0; column < kSummaryFields; ++column) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string::npos) {
            row[static_cast<std::size_t>(column)] = line.substr(start);
            break;
        }
        row[static_cast<std::size_t>(column)] = line.substr(start, tab - start);
        start = tab + 1;
    }
    return row;
}

}  // namespace

std::string TurnSummaryHeader() {
    return "Attacker\tPlanet\tDefender\tAttacking Ships\tDefending Ships\tAtt.Remaining\t"
           "Def.Remaining\tResult";
}

std::string TurnSummary::year() const {
    return firstLine.size() <= 4 ? firstLine : firstLine.substr(firstLine.size() - 4);
}

int TurnSummary::pages() const {
    if (rows.empty()) return 0;
    return RowsLast() / kSummaryRowsPerPage + 1;
}

TurnSummary ParseTurnSummary(std::string_view text) {
    TurnSummary summary;
    summary.fileFound = true;
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        // The preamble is at most four lines; more than that is never shown.
        if (lines.size() >= static_cast<std::size_t>(kSummaryMaxRows) + 4) break;
    }
    if (lines.empty()) return summary;
    summary.firstLine = lines[0];
    if (lines.size() < 4) return summary;

    std::size_t firstRow = 2;
    if (lines[2] == TurnSummaryHeader()) firstRow = lines[3].empty() ? 4 : 3;
    for (std::size_t i = firstRow; i < lines.size(); ++i) {
        if (summary.rows.size() >= static_cast<std::size_t>(kSummaryMaxRows)) break;
        summary.rows.push_back(SplitAtTabs(lines[i]));
    }
    return summary;
}

TurnSummary ReadTurnSummary(const std::filesystem::path& reportFile) {
    std::ifstream in(reportFile, std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return ParseTurnSummary(text.str());
}

}  // namespace zenthar
