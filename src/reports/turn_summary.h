// Reading back the turn report file of the last year end for the End Turn Summary window: the
// year from its first line and one row of up to eight cells per report line.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zenthar {

inline constexpr int kSummaryColumns = 8;     // cells shown per row
inline constexpr int kSummaryFields = 9;      // fields kept per line; further ones are dropped
inline constexpr int kSummaryMaxRows = 1001;  // rows kept; further lines are dropped
inline constexpr int kSummaryRowsPerPage = 15;

using SummaryRow = std::array<std::string, kSummaryFields>;

struct TurnSummary {
    bool fileFound = false;
    std::string firstLine;  // "Current Year: <tab> 4100"
    std::vector<SummaryRow> rows;

    // The last four characters of the first line: the year that ended.
    std::string year() const;
    int RowsLast() const { return static_cast<int>(rows.size()) - 1; }
    // Pages of 15 rows needed for rows 0..RowsLast; 0 when there is no row.
    int pages() const;
};

// Never fails: a missing or unreadable file gives fileFound false and no rows, a file shorter
// than four lines gives no rows. The header and the empty line after it are skipped only when
// the third line is the header (and the fourth empty), so a year end with no task force in
// flight does not lose its first rebel line. Lines are read whole (a comma in a name stays in its
// cell) and split at tabs only.
TurnSummary ReadTurnSummary(const std::filesystem::path& reportFile);
// The same from a report's text, as the chronicle keeps it (fileFound is true).
TurnSummary ParseTurnSummary(std::string_view text);

// The header line the year end writes above the arrival lines.
std::string TurnSummaryHeader();

}  // namespace zenthar
