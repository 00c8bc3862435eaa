// The chronicle kept with a saved game: written by Save, read back whole by Open, absent from
// files saved before it existed, and a damaged History table refused like any damaged table.
#include <zlib.h>

#include "game/history_store.h"
#include "reports/statistics.h"
#include "saveload_fixture.h"

namespace zenthar::testing {
namespace {

// Years 4100 to 4100 + years - 1 for the sample's sides, each with a report that changes with
// the year, as a year end would leave them.
void AddChronicle(GameState& st, int years) {
    st.CurrentYear = static_cast<Int16>(std::max<int>(st.CurrentYear, 4100 + years));
    st.Chronicle.clear();
    for (int y = 0; y < years; ++y) {
        HistoryYear year;
        year.year = 4100 + y;
        for (int p = 0; p < st.PlayesNum; ++p)
            year.sides.push_back({p, p + y % 7, 3 * p + y, 100 * p - y, y * 11, y % 3, p % 2});
        year.sides.push_back({kEmpire, 9, 30, 400 + y, 5 * y, 1, 2});
        if (y % 4 != 3)  // some years had nothing to report
            year.setReport("Current Year: \t " + std::to_string(year.year) +
                           "\r\n\r\nEmpire\tVega\tAnn\t " + std::to_string(y) +
                           "\t 3\t 0\t 1\tThe Empire lost the battle of Vega\r\n");
        st.Chronicle.add(std::move(year));
    }
}

class HistoryFile : public SaveLoadTest {
  protected:
    void SetUp() override {
        SaveLoadTest::SetUp();
        MakeSampleGame(game, 101, {3, 12, 4});
        AddChronicle(game.st, 12);
        SaveGame(game, save("good.mdb"));
        good = ReadBytes(save("good.mdb"));
        saved = DescribeSavedGame(game.st);
        MakeSampleGame(game, 202, {2, 9, 3});  // the game that is running
    }

    static long long rows(const fs::path& file) {
        return std::stoll(QueryText(file, "SELECT count(*) FROM History"));
    }

    std::vector<unsigned char> good;
    std::string saved;
};

TEST_F(HistoryFile, TheChronicleComesBackWholeAndSavingAgainAddsOnlyNewYears) {
    LoadGame(game, save("good.mdb"));
    EXPECT_EQ(DescribeSavedGame(game.st), saved);
    EXPECT_EQ(rows(save("good.mdb")), 12 * 4);

    // A year more: the working file keeps the twelve it has and gains the thirteenth.
    AddChronicle(game.st, 13);
    SaveGame(game, save("later.mdb"));
    SaveGame(game, save("again.mdb"));
    EXPECT_EQ(std::pair(rows(save("later.mdb")), rows(save("again.mdb"))), std::pair(52LL, 52LL));
    const std::string later = DescribeSavedGame(game.st);
    MakeSampleGame(game, 303, {1, 5, 1});
    LoadGame(game, save("again.mdb"));
    EXPECT_EQ(DescribeSavedGame(game.st), later);

    // A chronicle that does not go on from the file's is written anew, not added to it.
    AddChronicle(game.st, 5);
    SaveGame(game, save("other.mdb"));
    EXPECT_EQ(rows(save("other.mdb")), 5 * 4);
    const std::string other = DescribeSavedGame(game.st);
    LoadGame(game, save("other.mdb"));
    EXPECT_EQ(DescribeSavedGame(game.st), other);
}

// A save writes only the years its file lacks, so a long game saves quickly: a mark left in an
// old row stays; a chronicle that does not go on from the file's is written whole.
TEST_F(HistoryFile, OnlyTheYearsTheFileLacksAreWritten) {
    const fs::path file = save("rows.mdb");
    CreateTemplateDatabase(file);
    sqlite::Database db(file, sqlite::Database::Mode::ReadWrite);
    auto count = [&] {
        sqlite::Statement q(db.get(), "SELECT count(*), sum(Planets = 77) FROM History");
        return q.step() ? std::pair(q.columnInt(0), q.columnInt(1)) : std::pair(-1LL, -1LL);
    };
    AddChronicle(game.st, 3);
    WriteHistory(db, game.st.Chronicle);
    db.exec("UPDATE History SET Planets = 77 WHERE rowid = 1");
    AddChronicle(game.st, 5);  // the same three years and two more
    WriteHistory(db, game.st.Chronicle);
    EXPECT_EQ(count(), std::pair(5LL * 3, 1LL));
    AddChronicle(game.st, 2);
    WriteHistory(db, game.st.Chronicle);
    EXPECT_EQ(count(), std::pair(2LL * 3, 0LL));
}

TEST_F(HistoryFile, AFileSavedBeforeThereWasAChronicleOpensWithAnEmptyOne) {
    WriteBytes(save("old.mdb"), EditSavedGame(good, "DROP TABLE History"));
    LoadGame(game, save("old.mdb"));
    EXPECT_TRUE(game.st.Chronicle.empty());
    AddChronicle(game.st, 12);
    EXPECT_EQ(DescribeSavedGame(game.st), saved) << "everything else is as saved";
    expectSettled();

    // Reports packed before they were framed, bare deflate, are read as they are.
    WriteBytes(save("bare.mdb"),
               EditSavedGame(good, "UPDATE History SET Report = substr(Report, 14)"));
    LoadGame(game, save("bare.mdb"));
    EXPECT_EQ(DescribeSavedGame(game.st), saved);
}

// A figure added after a game was saved: the years open without it, its chart and its CSV
// cells stay empty, every other figure is charted as before, and a save keeps it missing.
TEST_F(HistoryFile, AHistoryFromBeforeTheScoreOpensWithTheScoreEmptyAndChartsTheRest) {
    WriteBytes(save("old.mdb"), EditSavedGame(good, "ALTER TABLE History DROP COLUMN Score"));
    LoadGame(game, save("old.mdb"));
    const GameState& st = game.st;
    ASSERT_EQ(st.Chronicle.size(), 12u);
    for (std::size_t i = 0; i < st.Chronicle.size(); ++i)
        for (const SideYear& s : st.Chronicle[i].sides) EXPECT_EQ(s.score, kNoFigure);
    for (const ChartLine& line : ChartLines(st, FindFigure("Score"), kEveryone))
        EXPECT_TRUE(line.points.empty()) << line.name;
    const auto planets = ChartLines(st, FindFigure("Planets"), kEveryone);
    ASSERT_EQ(planets.size(), 4u);
    for (const ChartLine& line : planets) EXPECT_EQ(line.points.size(), 12u) << line.name;
    const std::string csv = HistoryCsv(st, kEveryone);
    EXPECT_NE(csv.find(",Score\r\n"), std::string::npos);
    EXPECT_NE(csv.find(",2,\r\n"), std::string::npos) << "the Empire's battles lost, no score";
    EXPECT_EQ(csv.find(std::to_string(kNoFigure)), std::string::npos);

    const std::string opened = DescribeSavedGame(st);
    SaveGame(game, save("again.mdb"));
    MakeSampleGame(game, 303, {2, 9, 3});
    LoadGame(game, save("again.mdb"));
    EXPECT_EQ(DescribeSavedGame(game.st), opened);
}

TEST_F(HistoryFile, ADamagedHistoryIsRefusedAndChangesNothing) {
    const std::string first = " WHERE Year = 4100";
    const std::string empire = first + " AND Side = 4";  // the Empire's row of the first year
    const std::string damaged = "History row 4: Report is damaged";
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"UPDATE History SET Planets = 51" + first, "History row 1: Planets is out of range"},
        {"UPDATE History SET Ships = 'many'" + first, "History row 1: Ships is not a whole number"},
        {"UPDATE History SET BattlesLost = -1" + first, "History row 1: BattlesLost is out of range"},
        {"UPDATE History SET Year = 4200" + first, "History row 45: Year has not ended yet"},
        {"UPDATE History SET Side = 3" + empire,
         "History row 4: Side is not the side this year lists next"},
        {"DELETE FROM History" + first + " AND Side = 1",
         "History row 2: Side is not the side this year lists next"},
        {"DELETE FROM History" + empire, "History year 4100 lacks a side"},
        {"INSERT INTO History SELECT * FROM History" + first,
         "History row 2: Side is not the side this year lists next"},
        {"UPDATE History SET Report = x'00ff00ff'" + empire, damaged},
        {"UPDATE History SET Report = substr(Report, 1, 9)" + empire, damaged},
        {"UPDATE History SET Report = CAST(substr(Report, 1, length(Report) - 1) || "
         "iif(substr(Report, -1) = x'00', x'01', x'00') AS BLOB)" + empire, damaged},
        {"UPDATE History SET Report = CAST(substr(Report, 1, 5) || x'ffffff7f' || substr(Report, 10) "
         "AS BLOB)" + empire, damaged},
        // Reports swapped between two years, and every report moved on by a year: each frame
        // names the year it was written for.
        {"UPDATE History SET Report = (SELECT h.Report FROM History h WHERE h.Side = 4 AND h.Year "
         "= 8201 - History.Year) WHERE Side = 4 AND Year IN (4100, 4101)", damaged},
        {"UPDATE History SET Report = (SELECT h.Report FROM History h WHERE h.Side = 4 AND h.Year "
         "= History.Year - 1) WHERE Side = 4 AND Year > 4100", "History row 8: Report is damaged"},
        {"UPDATE History SET Report = 'plain text'" + empire,
         "History row 4: Report is not a report of the game"},
        {"UPDATE History SET Report = (SELECT Report FROM History WHERE Year = 4101 AND Side = 4)" +
             first + " AND Side = 0", "History row 1: Report is not a report of the game"},
        {"ALTER TABLE History DROP COLUMN BattlesWon", "the field BattlesWon of History is missing"},
        {"ALTER TABLE History RENAME TO Old; CREATE VIEW History AS SELECT * FROM Old",
         "History is not a table"}};
    // clang-format on
    const Snapshot before = snapshot();
    for (const auto& [sql, why] : cases) {
        SCOPED_TRACE(sql);
        WriteBytes(save("bad.mdb"), EditSavedGame(good, sql));
        EXPECT_EQ(loadFails(save("bad.mdb"), 13),
                  "ERROR 13 occurred. The file is not a Zenthar game (" + why + ").");
        EXPECT_EQ(snapshot(), before);
        expectSettled();
    }
}

TEST_F(HistoryFile, AGameDecidedBeforeItWasSavedOpensDecidedWithoutItsStoryOpeningAgain) {
    // The last year's planets and ships in flight of the three players and the Empire, the turn
    // the game was saved in, and the winner the opened game knows of.
    // clang-format off
    const std::tuple<std::array<int, 4>, std::array<int, 4>, int, int> cases[] = {
        {{3, 2, 1, 9}, {0, 4, 0, 0}, 0, -1},       // the war goes on
        {{0, 12, 0, 0}, {0, 5, 0, 0}, 1, 1},       // player 1 conquered the galaxy
        {{0, 11, 0, 0}, {0, 0, 0, 3}, 1, -1},      // but for an Empire fleet still in flight
        {{0, 11, 0, 0}, {2, 0, 0, 0}, 1, -1},      // or player 0's
        {{3, 2, 1, 9}, {0, 0, 0, 0}, 3, kEmpire}};  // the turn rests past the last player
    // clang-format on
    for (const auto& [planets, inFlight, turn, decided] : cases) {
        SCOPED_TRACE(decided);
        MakeSampleGame(game, 101, {3, 12, 4});
        AddChronicle(game.st, 11);
        std::vector<SideYear> sides;
        for (int k = 0; k < 4; ++k)
            sides.push_back({k < 3 ? k : kEmpire, planets.at(k), 1, 1, inFlight.at(k), 0, 0});
        AddYear(game.st, 4111, sides);
        game.st.CurrentYear = 4112;
        game.st.CurrentPlTurn = static_cast<Int16>(turn);
        SaveGame(game, save("decided.mdb"));
        MakeSampleGame(game, 202, {2, 9, 3});
        LoadGame(game, save("decided.mdb"));
        EXPECT_EQ(std::tuple(game.st.Decided, game.st.StoryShown, game.st.VictoryAnswer),
                  std::tuple(decided, decided >= 0, 0));
    }
}

TEST(HistoryReport, PackedReportsUnpackToTheSameTextAndDamageIsSeen) {
    const std::string report =
        "Current Year: \t 4100\r\n\r\nAttacker\tPlanet\tDefender\tAttacking Ships\tDefending "
        "Ships\tAtt.Remaining\tDef.Remaining\tResult\r\n\r\n" +
        std::string(300, 'x') + "\r\n";
    for (const std::string& text : {report, std::string(), std::string("\0\1\2", 3)}) {
        const std::string packed = PackReport(text, 4100);
        std::string back = "?";
        EXPECT_TRUE(UnpackReport(packed, back, kMaxReportBytes));
        EXPECT_EQ(back, text);
    }
    const std::string packed = PackReport(report, 4100);
    EXPECT_LT(packed.size(), report.size() / 4) << "the phrases of every report pack small";
    EXPECT_TRUE(PackedReportIntact(packed, kMaxReportBytes, 4100));
    EXPECT_FALSE(PackedReportIntact(packed, kMaxReportBytes, 4101)) << "another year's report";
    std::string back;
    EXPECT_FALSE(UnpackReport(packed, back, report.size() - 1)) << "more than the limit";
    EXPECT_FALSE(UnpackReport(packed.substr(0, packed.size() / 2), back, kMaxReportBytes));
    // Appended, not joined: GCC 12 falsely reports -Wrestrict on `packed + "x"`.
    std::string trailing = packed;
    trailing += "x";
    EXPECT_FALSE(UnpackReport(trailing, back, kMaxReportBytes)) << "bytes after the end";
    // The framing's length must be the text's: the checksum guards the year and the deflated
    // bytes only.
    std::string longer = packed;
    ++longer[5];
    EXPECT_TRUE(PackedReportIntact(longer, kMaxReportBytes, 4100));
    EXPECT_FALSE(UnpackReport(longer, back, kMaxReportBytes));
    HistoryYear year;
    year.setPackedReport(longer);
    EXPECT_EQ(std::pair(year.report(back), back), std::pair(false, std::string()));

    // A frame of the version before names no year: its length and the checksum of the deflated
    // bytes alone. It is checked without a year and unpacks as it did.
    const std::string deflated = packed.substr(13);
    const auto crc = static_cast<std::uint32_t>(
        crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(deflated.data()),
              static_cast<uInt>(deflated.size())));
    std::string older = "\x5e" + packed.substr(5, 4);
    for (int i = 0; i < 4; ++i) older += static_cast<char>((crc >> (8 * i)) & 0xff);
    older += deflated;
    EXPECT_TRUE(PackedReportIntact(older, kMaxReportBytes, 4321));
    EXPECT_TRUE(UnpackReport(older, back, kMaxReportBytes));
    EXPECT_EQ(back, report);
    older.back() = static_cast<char>(older.back() ^ 1);
    EXPECT_FALSE(PackedReportIntact(older, kMaxReportBytes, 4321));
}

}  // namespace
}  // namespace zenthar::testing
