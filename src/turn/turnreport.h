// The turn report file GAMES/turnrep.txt: what happened at the last year end, one tab-separated
// line per landing and per rebel rising, read back by the end turn summary window.
#pragma once

#include <string>
#include <string_view>

#include "game/storage.h"

namespace zenthar {

// Begun once per year end and written through the game's report file. Lines end in CR LF and
// numbers take the report's form (a blank before zero and positive values). A report that cannot
// be written costs the report, never the year end: close() says so, and the caller tells the
// player.
class TurnReport {
  public:
    explicit TurnReport(ReportFile& file);
    ~TurnReport();
    TurnReport(const TurnReport&) = delete;
    TurnReport& operator=(const TurnReport&) = delete;

    // A field that is not the last of its line: the text and a tab.
    void field(std::string_view text);
    void numberField(long long value);
    void emptyField() { field({}); }
    // The last field of a line (may be empty), then the line end.
    void endLine(std::string_view text = {});

    // "Current Year: ", a tab and the year.
    void yearLine(long long year);
    // The column titles of the landing lines.
    void header();

    // Puts the report in place; later writes are dropped. False when it could not be written
    // (the file's fault() says why). Safe to call twice.
    bool close();

  private:
    void write(std::string_view text);

    ReportFile& file_;
    bool closed_ = false;
    bool written_ = false;
};

}  // namespace zenthar
