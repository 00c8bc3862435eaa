// The game database connection: row order, finds, empty fields, edits and deletes, and the
// reset of the working file at start-up.
#include <gtest/gtest.h>

#include "game/database.h"
#include "game/storage_error.h"
#include "support/galaxy_builder.h"

namespace zenthar {
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
    std::vector<std::pair<long long, long long>> walk() {
        std::vector<std::pair<long long, long long>> out;
        db().Refresh();
        for (rs().MoveFirst(); !rs().EOF_(); rs().MoveNext())
            out.emplace_back(rs().Field("PlNum").asInt(), rs().Field("TFNum").asInt());
        return out;
    }
    testing::TestGame t;
};

TEST_F(Database, StartUpLeavesAnEmptyWorkingFileOnShips) {
    EXPECT_EQ(db().recordSource(), "Ships");
    EXPECT_EQ(rs().RecordCount(), 0);
    EXPECT_TRUE(rs().EOF_());
    EXPECT_TRUE(rs().BOF());
    addShip(0, 0, "02");
    // A second start in the same folder starts again from the empty template.
    testing::ScriptedDialogs d;
    SilentDisplay display;
    SilentView view;
    testing::ScriptedRandom r;
    Game again(t.folder.path(), d, display, view, r);
    StartUp(again);
    EXPECT_EQ(again.FileDta1.rs().RecordCount(), 0);
}

TEST_F(Database, ShipsComeGroupedByPlayerThenTaskForce) {
    addShip(1, 3, "05");
    addShip(0, 1, "05");
    addShip(1, 0, "06");
    addShip(0, 0, "07");
    addShip(1, 1, "08");
    auto rows = walk();
    std::vector<std::pair<long long, long long>> expected{{0, 0}, {0, 1}, {1, 0}, {1, 1}, {1, 3}};
    EXPECT_EQ(rows, expected);
}

TEST_F(Database, OrderHoldsAfterEditsWithoutReadingTheFileAgain) {
    addShip(2, 5, "05");
    addShip(2, 1, "05");
    db().Refresh();
    rs().MoveFirst();
    rs().Edit();
    rs().SetField("TFNum", 9);  // (2,1) becomes (2,9) and must now come last
    rs().Update();
    auto rows = walk();
    std::vector<std::pair<long long, long long>> expected{{2, 5}, {2, 9}};
    EXPECT_EQ(rows, expected);
}

TEST_F(Database, FindFirstByPlayerStopsBeforeTheNextPlayer) {
    addShip(1, 0, "05");
    addShip(0, 0, "05");
    addShip(0, 1, "06");
    db().Refresh();
    rs().FindFirst("PlNum = 0");
    ASSERT_FALSE(rs().NoMatch());
    int n = 0;
    while (!rs().EOF_() && rs().Field("PlNum").asInt() == 0) {
        ++n;
        rs().MoveNext();
    }
    EXPECT_EQ(n, 2);
    rs().FindFirst("EndPl = '06'");
    ASSERT_FALSE(rs().NoMatch());
    EXPECT_EQ(rs().Field("TFNum").asInt(), 1);
    rs().FindFirst("PlNum = 3");
    EXPECT_TRUE(rs().NoMatch());
    rs().FindFirst("EndPl = '6 '");  // ids are compared with all their characters
    EXPECT_TRUE(rs().NoMatch());
}

TEST_F(Database, OnlyTheTwoCriteriaFormsAreUnderstood) {
    addShip(0, 0, "05");
    db().Refresh();
    EXPECT_THROW(rs().FindFirst("PlNum > 0"), StorageError);
    EXPECT_THROW(rs().FindFirst("PlNum = 0 OR 1=1"), StorageError);
    EXPECT_THROW(rs().FindFirst("Nonsense = 1"), StorageError);
    EXPECT_THROW(rs().FindFirst("EndPl"), StorageError);
}

TEST_F(Database, EmptyFieldsReadAsNullAndYesNoKeepsTrueAndFalse) {
    db().setRecordSource("AppCfg");
    db().Refresh();
    rs().AddNew();
    rs().SetField("PlayesNum", 2);
    rs().SetField("EmpireOut", true);
    rs().SetField("SoundsOff", false);
    rs().Update();
    db().Refresh();
    rs().MoveFirst();
    EXPECT_EQ(rs().Field("PlayesNum").asInt(), 2);
    EXPECT_TRUE(rs().Field("StartYear").isNull());
    EXPECT_TRUE(rs().Field("Startyear").isNull());  // field names ignore letter case
    EXPECT_EQ(rs().Field("StartPl").asText(), "");
    EXPECT_FALSE(rs().Field("EndTurnScreen").asBool());
    EXPECT_EQ(rs().Field("EmpireOut").asInt(), -1);
    EXPECT_TRUE(rs().Field("EmpireOut").asBool());
    EXPECT_FALSE(rs().Field("SoundsOff").asBool());
    EXPECT_FALSE(rs().Field("SoundsOff").isNull());
}

TEST_F(Database, DeletingWhileWalkingBackwardsVisitsEveryRowOnce) {
    for (int i = 0; i < 6; ++i) addShip(i % 3, i, "05", 4101 + i % 2);
    db().Refresh();
    int visited = 0, deleted = 0;
    rs().MoveLast();
    while (!rs().BOF()) {
        ++visited;
        if (rs().Field("RemTurns").asInt() == 4101) {
            rs().Delete();
            ++deleted;
        }
        rs().MovePrevious();
    }
    EXPECT_EQ(visited, 6);
    EXPECT_EQ(deleted, 3);
    EXPECT_EQ(rs().RecordCount(), 3);
    // The file agrees with the cursor, also for a fresh connection.
    Connection other;
    other.setDatabaseName(t.game.WorkingFile());
    other.setRecordSource("Ships");
    other.Refresh();
    EXPECT_EQ(other.rs().RecordCount(), 3);
}

TEST_F(Database, ReadingPastTheEndIsAnErrorNotACrash) {
    EXPECT_THROW(rs().Field("PlNum"), StorageError);
    addShip(0, 0, "05");
    db().Refresh();
    rs().MoveNext();
    EXPECT_TRUE(rs().EOF_());
    EXPECT_THROW(rs().Field("PlNum"), StorageError);
    EXPECT_THROW(rs().SetField("PlNum", 1), StorageError);  // no Edit or AddNew
    EXPECT_THROW(rs().Update(), StorageError);
}

TEST_F(Database, ChangesByAnotherConnectionAreSeenAtRefresh) {
    addShip(0, 0, "05");
    Connection other;
    other.setDatabaseName(t.game.WorkingFile());
    other.setRecordSource("Ships");
    other.Refresh();
    other.rs().AddNew();
    other.rs().SetField("PlNum", 3);
    other.rs().SetField("TFNum", 0);
    other.rs().Update();
    db().Refresh();
    EXPECT_EQ(rs().RecordCount(), 2);
}

TEST_F(Database, LettingGoOfTheFileReleasesIt) {
    db().release();
    EXPECT_FALSE(db().isOpen());
    EXPECT_FALSE(rs().open());
    db().rebind(t.game.WorkingFile(), "Planets");
    EXPECT_TRUE(db().isOpen());
    EXPECT_EQ(rs().RecordCount(), 0);
}

TEST_F(Database, RolledBackTransactionLeavesNoTrace) {
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
    db().Refresh();
    EXPECT_EQ(rs().RecordCount(), 1);
}

TEST_F(Database, MissingFileIsErrorFiftyThree) {
    db().setDatabaseName(t.folder.path() / "GAMES" / "nothere.mdb");
    try {
        db().Refresh();
        FAIL();
    } catch (const StorageError& e) {
        EXPECT_EQ(e.code(), errors::kFileNotFound);
    }
}

}  // namespace
}  // namespace zenthar
