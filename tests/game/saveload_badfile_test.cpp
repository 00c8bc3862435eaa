// Loading files that are not good games (and saving to paths that are no game file): each is
// refused with its error number and message, and the running game (memory, working file,
// connection) is exactly as it was.
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "saveload_fixture.h"

namespace zenthar::testing {
namespace {

class BadFile : public SaveLoadTest {
  protected:
    void SetUp() override {
        SaveLoadTest::SetUp();
        good = savedSample(101, {3, 12, 4}, "good.mdb");  // 3 players, planets 01..12
        MakeSampleGame(game, 202, {2, 9, 3});             // the game that is running
        before = snapshot();
        shown = t.view.statusShown;
    }

    // The file must be refused with this number; nothing of the running game may change.
    std::string refused(const fs::path& file, int code) {
        std::string message = loadFails(file, code);
        EXPECT_EQ(std::pair(snapshot(), t.view.statusShown), std::pair(before, shown)) << file;
        expectSettled();
        return message;
    }

    std::string refusedBytes(const std::vector<unsigned char>& bytes) {
        WriteBytes(save("bad.mdb"), bytes);
        return refused(save("bad.mdb"), 13);
    }

    std::vector<unsigned char> good;
    Snapshot before;
    int shown = 0;
};

const std::string kRow1 = " WHERE rowid = (SELECT min(rowid) FROM AppCfg)";
const std::string kRowN = " WHERE rowid = (SELECT max(rowid) FROM AppCfg)";
const std::string kShip1 = " WHERE rowid = (SELECT min(rowid) FROM Ships)";

// A path that is no game file is refused by Open and by Save alike, with its number and its
// message; Save makes no folder and writes nothing into a folder in its way.
TEST_F(BadFile, MissingFilesAndFoldersAndWhatIsNoFile) {
    EXPECT_EQ(refused(save("none.mdb"), 53), "ERROR 53: That file doesn't exist.");
    EXPECT_EQ(refused("", 52), "ERROR 52 occurred. No file name was given.");
    fs::create_directory(save("folder.mdb"));
    ASSERT_EQ(::mkfifo(save("pipe.mdb").c_str(), 0644), 0);
    const std::tuple<fs::path, int, std::string> cases[] = {
        {saves / "no-folder" / "x.mdb", 76, "ERROR 76: That path doesn't exist."},
        {save("folder.mdb"), 75, "ERROR 75 occurred. That is a folder, not a game file."},
        {save("pipe.mdb"), 75, "ERROR 75 occurred. That is not an ordinary file."}};
    for (const auto& [file, code, message] : cases) {
        EXPECT_EQ(refused(file, code), message);
        EXPECT_EQ(saveFails(file, code), message);
    }
    EXPECT_EQ(std::pair(fs::exists(saves / "no-folder"), fs::is_empty(save("folder.mdb"))),
              std::pair(false, true));
    EXPECT_EQ(snapshot(), before);
    expectSettled();
    if (::geteuid() != 0) {
        WriteBytes(save("locked.mdb"), good);
        ::chmod(save("locked.mdb").c_str(), 0);
        EXPECT_EQ(refused(save("locked.mdb"), 75),
                  "ERROR 75 occurred. Access to the file or its folder was refused.");
    } else {
        // Permissions do not stop the superuser; a file the kernel refuses to read does.
        EXPECT_EQ(refused("/proc/self/mem", 57),
                  "ERROR 57 occurred. The drive reported a read or write error.");
    }
}

TEST_F(BadFile, FilesThatAreNoDatabase) {
    EXPECT_EQ(refusedBytes({}), "ERROR 13 occurred. The file is not a Zenthar game (it is empty).");
    const std::string text = "PlayesNum,PlanetsNum\n4,50\n";
    EXPECT_EQ(refusedBytes(std::vector<unsigned char>(text.begin(), text.end())),
              "ERROR 13 occurred. The file is not a Zenthar game (it is not a game database).");
    std::mt19937 rng(7);
    std::vector<unsigned char> noise(8192);
    for (auto& b : noise) b = static_cast<unsigned char>(rng());
    refusedBytes(noise);
    std::copy(good.begin(), good.begin() + 100, noise.begin());  // a database header on noise
    refusedBytes(noise);
    refusedBytes(std::vector<unsigned char>(good.begin(), good.begin() + 600));  // truncated
    // An interrupted copy; cuts and changed bytes anywhere are judged by the fuzz run.
    EXPECT_NE(refusedBytes({good.begin(), good.end() - 3}).find("cut short"), std::string::npos);
    std::vector<unsigned char> damaged = good;
    for (std::size_t i = 4096; i < damaged.size(); i += 97) damaged[i] ^= 0x5a;
    refusedBytes(damaged);

    WriteBytes(save("huge.mdb"), good);
    fs::resize_file(save("huge.mdb"), kMaxGameFileBytes + 1);  // sparse
    EXPECT_EQ(refused(save("huge.mdb"), 13),
              "ERROR 13 occurred. The file is not a Zenthar game (it is far too large).");
}

// Each edit breaks one check; where a reason is given, the message must name it.
TEST_F(BadFile, EditedGamesThatBreakTheChecks) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"DROP TABLE AppCfg", "the table AppCfg is missing"},
        {"DROP TABLE Planets", "the table Planets is missing"},
        {"DROP TABLE Ships", "the table Ships is missing"},
        {"ALTER TABLE Planets DROP COLUMN Ico", "the field Ico of Planets is missing"},
        // A view in place of a table is not a table.
        {"ALTER TABLE AppCfg RENAME TO Old; CREATE VIEW AppCfg AS SELECT * FROM Old",
         "the table AppCfg is missing"},
        {"DELETE FROM AppCfg" + kRowN, "it holds fewer player rows than players"},
        {"DELETE FROM Planets WHERE rowid = 12", "it holds fewer planets than its galaxy has"},
        {"UPDATE AppCfg SET PlanetsNum = 0" + kRow1, "AppCfg row 1: PlanetsNum is out of range"},
        {"UPDATE AppCfg SET PlanetsNum = 99" + kRow1, "AppCfg row 1: PlanetsNum is out of range"},
        {"UPDATE AppCfg SET PlanetsNum = -1" + kRow1, "AppCfg row 1: PlanetsNum is out of range"},
        {"UPDATE AppCfg SET PlanetsNum = 13" + kRow1, ""},  // more than the 12 rows
        {"UPDATE AppCfg SET PlayesNum = 4" + kRow1, ""},    // only three rows
        {"UPDATE AppCfg SET PlHome = 12" + kRowN, ""},
        {"UPDATE AppCfg SET EndPl = '7'" + kRow1, ""},
        {"UPDATE Planets SET PlanetId = '77' WHERE rowid = 3",
         "Planets row 3: PlanetId does not match its place"},
        {"UPDATE Ships SET EndPl = '77'" + kShip1, "Ships row 1: EndPl names no planet of the galaxy"},
        // Two digits, not characters next to them that would still count to a planet's number,
        // nor a single digit that would.
        {"UPDATE Ships SET EndPl = '1/'" + kShip1, "Ships row 1: EndPl names no planet of the galaxy"},
        {"UPDATE Ships SET EndPl = '5'" + kShip1, "Ships row 1: EndPl names no planet of the galaxy"},
        {"UPDATE Ships SET EndPl = '0:'" + kShip1, "Ships row 1: EndPl names no planet of the galaxy"},
        {"UPDATE Ships SET StartPl = '13'", ""},  // beyond this galaxy's 12 planets
        // Twice what all five sides could have in flight, and one more.
        {"INSERT INTO Ships (PlNum, TFNum, StartPl, EndPl, RemTurns, NumOfShips) WITH RECURSIVE "
         "n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < 10011) "
         "SELECT 4, k, '01', '02', 1, 1 FROM n", "it holds more task forces than a game can have"},
        // Three players: the fourth slot may have seen a planet, never hold one or fly to one.
        {"UPDATE Planets SET Scouted = '0002' WHERE rowid = 2",
         "Planets row 2: Scouted gives the planet to a player who is not in the game"},
        {"UPDATE Ships SET PlNum = 3 WHERE rowid = 1", ""},
        {"UPDATE Planets SET Scouted = '0400' WHERE rowid = 2", ""},
        {"UPDATE Planets SET MaxProd = 21 WHERE rowid = 5", ""},
        {"UPDATE Planets SET Ships = 32768 WHERE rowid = 4",
         "Planets row 4: Ships is out of range"},
        {"UPDATE Planets SET KnownShip3 = -32769 WHERE rowid = 1", ""},
        {"UPDATE Ships SET NumOfShips = 4000000000", ""},
        {"UPDATE Planets SET XPos = 'abc' WHERE rowid = 2",
         "Planets row 2: XPos is not a whole number"},
        {"UPDATE Planets SET Name = '" + std::string(41, 'n') + "' WHERE rowid = 2", ""},
        {"UPDATE Planets SET Name = 'Nul' || char(0) || 'Name' WHERE rowid = 2", ""},
        // No value of a game comes near a mebibyte; one of a million and a half characters is
        // refused before it is even read.
        {"UPDATE Planets SET Name = replace(hex(zeroblob(750000)), '0', 'n') WHERE rowid = 2",
         "it holds a value far too large"},
        // A seat is a human's or one of three computer levels.
        {"UPDATE AppCfg SET Seat = 4" + kRowN, "AppCfg row 3: Seat is out of range"},
        {"UPDATE AppCfg SET Seat = -1" + kRow1, "AppCfg row 1: Seat is out of range"},
        {"UPDATE AppCfg SET Seat = 'hard'" + kRow1, "AppCfg row 1: Seat is not a whole number"},
        // A game's length is none (until conquest) or one to a thousand years.
        {"UPDATE AppCfg SET GameLength = -1" + kRow1, "AppCfg row 1: GameLength is out of range"},
        {"UPDATE AppCfg SET GameLength = 1001" + kRow1, "AppCfg row 1: GameLength is out of range"},
        {"UPDATE AppCfg SET GameLength = 'fifty'" + kRow1,
         "AppCfg row 1: GameLength is not a whole number"}};
    // clang-format on
    for (const auto& [sql, why] : cases) {
        const std::string message = refusedBytes(EditSavedGame(good, sql));
        EXPECT_TRUE(why.empty() ||
                    message == "ERROR 13 occurred. The file is not a Zenthar game (" + why + ").")
            << message;
    }
}

TEST_F(BadFile, EmptyValueWhereTheGameNeedsOne) {
    auto refusedEmpty = [this](const std::string& table, const std::string& field,
                               const std::string& where, const std::string& row) {
        const std::string message = refusedBytes(
            EditSavedGame(good, "UPDATE " + table + " SET " + field + " = NULL" + where));
        EXPECT_NE(message.find(row + field + " is empty"), std::string::npos) << message;
    };
    for (const FieldDef& f : FindTable("Planets")->fields)
        refusedEmpty("Planets", std::string(f.name), " WHERE rowid = 6", "Planets row 6: ");
    for (const FieldDef& f : FindTable("Ships")->fields)
        refusedEmpty("Ships", std::string(f.name), "", "");
    for (const char* name : {"PlayesNum", "PlanetsNum", "GameType", "EmpireSkill", "CurrentYear",
                             "CurrentPlTurn", "PlName1", "PlSymbol", "PlHome", "Hatest"})
        refusedEmpty("AppCfg", name, kRow1, "AppCfg row 1: ");
    for (const char* name : {"PlName1", "PlSymbol", "PlHome", "Hatest"})
        refusedEmpty("AppCfg", name, kRowN, "AppCfg row 3: ");
}

TEST_F(BadFile, AFailureAfterTheSwapPutsTheRunningGameBack) {
    // The window fails while it shows the loaded turn: the last step of a load.
    struct FailingView : RecordingView {
        void TurnStatusShown() override { throw StorageError(3005, "the window failed"); }
    } view;
    t.endRun();
    Game g(t.folder.path(), t.dialogs, t.display, view, t.random);
    StartUp(g);
    MakeSampleGame(g, 303, {1, 5, 2});
    const Snapshot mine = snapshotOf(g);
    StorageErrorText([&] { LoadGame(g, save("good.mdb")); }, 3005);
    EXPECT_EQ(snapshotOf(g), mine);
    expectConnectionOnShips(g);
    EXPECT_TRUE(temporariesIn(g.GamesFolder()).empty());
    g.FileDta1.release();
}

TEST_F(BadFile, WhatIsNoPartOfTheGameDoesNotStopALoad) {
    // Rows past the game's own, other tables, a trigger, a write-ahead header: loaded all the same,
    // and the working file holds only the game.
    std::vector<unsigned char> odd =
        EditSavedGame(good,
                      "INSERT INTO AppCfg (PlayesNum, PlName1) VALUES (x'00', 'junk');"
                      "INSERT INTO Planets (PlanetId, Name, MaxProd) VALUES ('99', NULL, 500);"
                      "CREATE TABLE Notes (t TEXT); INSERT INTO Notes VALUES ('hello');"
                      "CREATE TRIGGER t AFTER UPDATE ON Ships BEGIN DELETE FROM Planets; END;"
                      "CREATE VIEW v AS SELECT * FROM Planets;");
    odd[18] = odd[19] = 2;
    WriteBytes(save("odd.mdb"), odd);
    LoadGame(game, save("odd.mdb"));
    EXPECT_EQ(DescribeDatabase(game.WorkingFile()), DescribeDatabase(save("good.mdb")));
    // The trigger did not come along: saving (which updates Ships) keeps the planets.
    SaveGame(game, save("again.mdb"));
    LoadGame(game, save("again.mdb"));
    EXPECT_EQ(game.st.PlanetsNum, 12);
}

}  // namespace
}  // namespace zenthar::testing
