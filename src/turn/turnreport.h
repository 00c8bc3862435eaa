// The turn report file GAMES/turnrep.txt: what happened at the last year end, one tab-separated
// line per landing and per rebel rising, read back by the end turn summary window.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace zenthar {

// Opened once per year end and written through one buffered stream. Lines end in CR LF and
// numbers take the report's form (a blank before zero and positive values). A file that cannot
// be created or written costs the report, never the year end: writes are then dropped and ok()
// turns false, so the caller can tell the player.
class TurnReport {
  public:
    // Creates the file anew; the year end writes a draft and moves it into place when whole.
    // Without a file the lines are only gathered, for the caller to take and write.
    explicit TurnReport(std::filesystem::path file);
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

    // Flushes and closes; later writes are dropped. Safe to call twice.
    void close();
    bool ok() const { return ok_; }
    bool inMemory() const { return path_.empty(); }
    const std::filesystem::path& path() const { return path_; }
    // Everything written, as the file holds it once closed.
    std::string takeText() { return std::move(text_); }

  private:
    void write(std::string_view text);
    void flush();

    std::filesystem::path path_;
    std::ofstream out_;
    // Lines are gathered here and handed to the stream in large pieces: a year end writes
    // thousands of short fields. The whole text stays, so the year end can keep it.
    std::string text_;
    std::size_t written_ = 0;
    bool ok_ = false;
};

}  // namespace zenthar
