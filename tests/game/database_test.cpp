// The game database connection: row order, finds, empty fields, edits and deletes, and the
// reset of the working file at start-up.
#include <random>

#include "game/database.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

class Database : public ::testing::Test {
  protected:
    void SetUp() override { db().Refresh(); }
    Connection& db() { return t.game.FileDta1; }
    Recordset& rs() { return t.game.FileDta1.rs(); }
    void addShip(int player, int tf, const char* to, int year = 4101, int ships = 5) {
        rs().AddNew();
        rs().SetField("PlNum", player);
        rs().SetField("TFNum", tf);
        rs().SetField("StartPl", "01");
        rs().SetField("EndPl", to);
        rs().SetField("RemTurns", year);
        rs().SetField("NumOfShips", ships);
        rs().Update();
    }
    void addShips(std::initializer_list<std::tuple<int, int, const char*>> rows) {
        for (const auto& [player, tf, to] : rows) addShip(player, tf, to);
    }
    // The rows in the cursor's order as "PlNum/TFNum/NumOfShips".
    std::vector<std::string> rowsInOrder() {
        std::vector<std::string> out;
        for (rs().MoveFirst(); !rs().EOF_(); rs().MoveNext())
            out.push_back(rs().Field("PlNum").asText() + "/" + rs().Field("TFNum").asText() + "/" +
                          rs().Field("NumOfShips").asText());
        return out;
    }
    std::vector<std::string> walk() {
        db().Refresh();
        return rowsInOrder();
    }
    TestGame t;
};

TEST_F(Database, StartUpLeavesAnEmptyWorkingFileOnShips) {
    EXPECT_EQ(std::tuple(db().recordSource(), rs().RecordCount(), rs().EOF_(), rs().BOF()),
              std::tuple("Ships", 0, true, true));
    EXPECT_THROW(rs().Field("PlNum"), StorageError) << "reading nothing is an error, not a crash";
    EXPECT_THROW(rs().SetField("PlNum", 1), StorageError) << "no Edit or AddNew";
    EXPECT_THROW(rs().Update(), StorageError);
    addShip(0, 0, "02");
    // A second start in the same folder, once the first program has ended, starts again
    // from the empty template.
    t.endRun();
    Game again(t.folder.path(), t.dialogs, t.display, t.view, t.random);
    StartUp(again);
    EXPECT_EQ(again.FileDta1.rs().RecordCount(), 0);
}

TEST_F(Database, FieldsAreReadByNameWhateverTheColumnOrderOfTheFile) {
    EditWorkingFile(t.game,
                    "DROP TABLE Ships; CREATE TABLE Ships (NumOfShips INTEGER, EndPl TEXT, "
                    "TFNum INTEGER, RemTurns INTEGER, StartPl TEXT, PlNum INTEGER);"
                    "INSERT INTO Ships VALUES (20, '07', 3, 4102, '01', 2)");
    ASSERT_EQ(rs().RecordCount(), 1);
    std::string row;
    for (const char* f : {"PlNum", "TFNum", "StartPl", "EndPl", "RemTurns", "NumOfShips"})
        row += rs().Field(f).asText() + " ";
    EXPECT_EQ(row, "2 3 01 07 4102 20 ");
}

TEST_F(Database, ShipsComeGroupedByPlayerThenTaskForceAlsoAfterAnEdit) {
    addShips({{1, 3, "05"}, {0, 1, "05"}, {1, 0, "06"}, {0, 0, "07"}, {1, 1, "08"}});
    using Rows = std::vector<std::string>;
    EXPECT_EQ(walk(), (Rows{"0/0/5", "0/1/5", "1/0/5", "1/1/5", "1/3/5"}));
    rs().MoveFirst();
    rs().Edit();
    rs().SetField("TFNum", 9);  // (0,0) becomes (0,9) and must now come after (0,1)
    rs().Update();
    EXPECT_EQ(walk(), (Rows{"0/1/5", "0/9/5", "1/0/5", "1/1/5", "1/3/5"}));
}

TEST_F(Database, FindFirstUnderstandsOnlyTheTwoCriteriaForms) {
    addShips({{1, 0, "05"}, {0, 0, "05"}, {0, 1, "06"}});
    db().Refresh();
    auto finds = [&](const char* criteria) {
        rs().FindFirst(criteria);
        return !rs().NoMatch();
    };
    ASSERT_TRUE(finds("PlNum = 0"));
    int n = 0;
    for (; !rs().EOF_() && rs().Field("PlNum").asInt() == 0; rs().MoveNext()) ++n;
    EXPECT_EQ(n, 2) << "a player's rows stand together";
    ASSERT_TRUE(finds("EndPl = '06'"));
    EXPECT_EQ(rs().Field("TFNum").asInt(), 1);
    // Ids are compared with all their characters.
    EXPECT_FALSE(finds("PlNum = 3") || finds("EndPl = '6 '"));
    for (const char* bad : {"PlNum > 0", "PlNum = 0 OR 1=1", "Nonsense = 1", "EndPl"})
        EXPECT_THROW(rs().FindFirst(bad), StorageError) << bad;
}

TEST_F(Database, DeletingWhileWalkingBackwardsVisitsEveryRowOnce) {
    for (int i = 0; i < 6; ++i) addShip(i % 3, i, "05", 4101 + i % 2);
    db().Refresh();
    int visited = 0;
    for (rs().MoveLast(); !rs().BOF(); rs().MovePrevious()) {
        ++visited;
        if (rs().Field("RemTurns").asInt() == 4101) rs().Delete();
    }
    // That the file agrees with the cursor after deletes is the random walk's below.
    EXPECT_EQ(std::tuple(visited, rs().RecordCount()), std::tuple(6, 3));
}

TEST_F(Database, ReleasingRebindingAndRolledBackTransactions) {
    {
        Connection::Transaction tx(db());
        addShip(0, 0, "05");
        // no commit: an exception or early return rolls back
    }
    db().Refresh();
    EXPECT_EQ(rs().RecordCount(), 0);
    {
        Connection::Transaction tx(db());
        addShip(0, 0, "05");
        tx.commit();
    }
    db().release();
    EXPECT_EQ(std::pair(db().isOpen(), rs().open()), std::pair(false, false));
    db().rebind(t.game.WorkingFile(), "Ships");
    EXPECT_EQ(std::tuple(db().isOpen(), rs().RecordCount()), std::tuple(true, 1));

    db().setDatabaseName(t.folder.path() / "GAMES" / "nothere.mdb");
    StorageErrorText([&] { db().Refresh(); }, errors::kFileNotFound);
}

// The cursor keeps rows in order by itself between reads of the file: added rows, changed
// player or task-force numbers and deletions mixed at random must leave the same order as a
// fresh read of the file gives, and the same positions for rows that tie.
TEST_F(Database, RowsKeptInMemoryStayInTheOrderAFreshReadGives) {
    std::mt19937 random(7);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 40; ++round) {
        for (int step = 0; step < 25; ++step) {
            // Often several changes come between two reads, as in a year end.
            if (pick(3) == 0) db().Refresh();
            const long count = rs().RecordCount();
            const int what = count == 0 ? 0 : pick(6);
            if (what <= 2) {
                addShip(pick(5), pick(6), "03", 4101, round * 100 + step);
                continue;
            }
            rs().MoveFirst();
            for (int k = pick(static_cast<int>(count)); k > 0; --k) rs().MoveNext();
            if (what == 3) {
                rs().Delete();
            } else {
                rs().Edit();
                // Either a sort field or one that has no say in the order.
                if (what == 4)
                    rs().SetField(pick(2) ? "PlNum" : "TFNum", pick(6));
                else
                    rs().SetField("NumOfShips", round * 100 + step);
                rs().Update();
            }
        }
        db().Refresh();
        const std::vector<std::string> kept = rowsInOrder();
        db().release();
        db().rebind(t.game.WorkingFile(), "Ships");
        ASSERT_EQ(kept, rowsInOrder()) << "after round " << round;
    }
}

// A template with another layout would play on and write saved games with wrong values, so
// start-up refuses it before any file is touched.
TEST(TemplateCheck, ADamagedTemplateIsRefusedAtStartUpWithWhatIsWrong) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {  // the edit, what is wrong then
        {"DROP TABLE Ships; CREATE TABLE Ships (PlNum INTEGER, StartPl TEXT, TFNum INTEGER, "
         "EndPl TEXT, RemTurns INTEGER, NumOfShips INTEGER)",
         "Ships column 2 must be TFNum INTEGER"},
        {"ALTER TABLE Planets ADD COLUMN Extra INTEGER", "Planets has a column too many"},
        {"DROP TABLE AppCfg", "it lacks a table"},
        {"CREATE TABLE Notes (a TEXT)", "a table Notes that is no part of a game"},
        {"INSERT INTO Ships (PlNum) VALUES (1)", "Ships holds rows"}};
    // clang-format on
    for (const auto& [edit, reason] : cases) {
        SCOPED_TRACE(edit);
        TestGame t;
        sqlite::Database(t.game.TemplateFile(), sqlite::Database::Mode::ReadWrite).exec(edit);
        t.game.Lock.release();
        const std::string working = ReadText(t.game.WorkingFile());
        Game again(t.folder.path(), t.dialogs, t.display, t.view, t.random);
        const std::string said = StorageErrorText([&] { StartUp(again); }, errors::kTypeMismatch);
        EXPECT_NE(said.find(t.game.TemplateFile().string()), std::string::npos) << said;
        EXPECT_NE(said.find(reason), std::string::npos) << said;
        EXPECT_EQ(ReadText(t.game.WorkingFile()), working);
    }
}

}  // namespace
}  // namespace zenthar::testing
