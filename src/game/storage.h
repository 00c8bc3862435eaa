// Every file the game writes goes through here, one of two ways: a whole file replaced in one
// step (saved games, the recovery copy, the working file, settings, CSV exports), or the year
// end's report written over the last one and put back when its End Turn is undone. The files
// the game names itself never follow a link and are never anything but plain files.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "game/savefile.h"

namespace zenthar {

// Who chose the name. The game's own files are refused when a link or anything but a plain
// file stands at their name: nothing is written through it. A name the player chose in a
// dialog may be a link the player made; its file is replaced and the link stays, as editors do.
enum class NamedBy { Game, Player };

// What stands at a name the game gives its own file, when it is not a plain file (or nothing):
// "<path> is a symbolic link", "... is a folder", "... is not an ordinary file".
std::optional<std::string> OwnFileProblem(const std::filesystem::path& file);

// Throws SaveLoadError 75 with OwnFileProblem's sentence when there is one.
void CheckOwnFile(const std::filesystem::path& file);

// Fills the temporary that takes the target's place; it may write through the temporary or open
// its path (SQLite does).
using FileWriter = std::function<void(TemporaryFile&)>;

// Replaces target with what write puts into a temporary beside it, synced and renamed over the
// target, keeping the old file's permission bits. On failure the target is as it was, the
// temporary is gone and SaveLoadError (or whatever write threw) is thrown. rename, when given,
// stands in for the final rename (tests inject failures).
void ReplaceFile(const std::filesystem::path& target, const FileWriter& write, NamedBy namedBy,
                 const RenameStep& rename = {});

// The same with content already in memory.
void ReplaceFile(const std::filesystem::path& target, std::string_view content, NamedBy namedBy);

// The report file of the year ends (GAMES/turnrep.txt). A year end begins it, appends its lines
// and finishes it over the report before, which is kept until the End Turn is kept or undone.
// The report is written in place rather than renamed in: a new file every year costs the file
// system more than the writing, and a year end cut short is run again on resume anyway.
class ReportFile {
  public:
    explicit ReportFile(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& path() const { return file_; }

    // A year end starts a report. The first one of an End Turn notes what the file holds, for
    // undo() to put back.
    void begin();
    void append(std::string_view text) { draft_.append(text); }
    // The report in place. False when it could not be written: no report is left then (better
    // none than last year's shown as this year's), and fault() says why. Its text stays known
    // either way, for the History.
    bool finish();
    // The End Turn that wrote the report is committed: the one before is let go.
    void keep();
    // The End Turn is undone: the report before is back, or none when there was none. True
    // when the undone report had been shown, so that its window closes.
    bool undo();
    // The report just finished was opened in the summary.
    void shown() { shown_ = true; }
    // A new game, or one opened, starts without a report. A link or a folder at the name is left
    // as it is.
    void clear();

    // The last report this program finished, none before the game's first year end.
    const std::string* text() const { return current_ ? &*current_ : nullptr; }
    // Why the last report could not be written; empty when it was.
    const std::string& fault() const { return fault_; }
    // True for the first of a run of reports that could not be written: it is told once.
    bool faultIsNew() const { return !fault_.empty() && !faultTold_; }
    void faultTold() { faultTold_ = !fault_.empty(); }

  private:
    bool writeText(const std::string& text);
    void remove();

    std::filesystem::path file_;
    std::string draft_;
    std::optional<std::string> current_;
    // What the file held before the End Turn in progress, once begun.
    bool begun_ = false;
    bool shown_ = false;
    std::optional<std::string> previous_;
    std::string fault_;
    bool faultTold_ = false;
};

}  // namespace zenthar
