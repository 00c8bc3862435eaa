// The Production Summary window: who owns how much, which rows show, that the cells are only
// for reading, and that closing it redraws the map once.
#include "reports/ProdSumFrm.h"

#include "support/widgets.h"

namespace zenthar::testing {
namespace {

class ProdSumTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob", "Cy"})
            .planet(0, 5, 5).owner(0).home().ships(30).production(10, 20)
            .planet(1, 15, 5).owner(1).home().ships(20).production(12, 20)
            .planet(2, 25, 5).owner(2).home().ships(5).production(15, 20)
            .planet(3, 35, 5).owner(1).ships(6).production(4, 9)
            .planet(4, 5, 25).ships(8).production(2, 4)
            .planet(5, 15, 25).scouted("1100").ships(9).production(3, 4).build();
        // clang-format on
        t.st().planet(2).Scouted = "0010";  // Cy lost his capital: listed with nothing
        t.st().TaskForceLast = 0;
        t.st().TaskForceList[0].NumOfShips = 50;  // ships in flight are not counted
    }
    // A row's four cells, or "hidden"; a cell whose text stands higher or lower than the first
    // one's (a cell of another top or height) is marked with a "^".
    static std::string row(const ui::ProdSumFrm& w, int r) {
        std::string cells;
        QRect first;
        for (const char* column : {"PlNameLbl", "PlOwnedLbl", "TotProdLbLl", "NumOfFleetfLbl"}) {
            auto* cell = FindChild<QLineEdit>(&w, QString("%1_%2").arg(column).arg(r));
            if (!cell->isVisibleTo(&w)) return "hidden";
            if (first.isNull()) first = cell->geometry();
            const bool level = cell->y() == first.y() && cell->height() == first.height();
            cells += cell->text().trimmed().toStdString() + (level ? "|" : "^|");
        }
        return cells;
    }
    TestGame t;
};

TEST_F(ProdSumTest, TheEmpireAndEveryPlayerHaveARowOnlyForReadingAndTheOtherRowsStayHidden) {
    ui::ProdSumFrm w(t.game, nullptr);
    const std::vector<std::string> expected{"Empire|3|20|22|", "Ann|1|10|30|", "Bob|2|16|26|",
                                            "Cy|0|0|0|", "hidden"};
    for (int r = 0; r < ui::ProdSumFrm::kRows; ++r) EXPECT_EQ(row(w, r), expected[r]) << r;
    for (const char* name : {"PlNameLbl_0", "PlOwnedLbl_1", "TotProdLbLl_0", "Text1", "Text3"})
        EXPECT_TRUE(FindChild<QLineEdit>(&w, name)->isReadOnly()) << name;
    t.st().PlayesNum = 1;
    ui::ProdSumFrm one(t.game, nullptr);
    EXPECT_EQ(row(one, 1) + " " + row(one, 2), "Ann|1|10|30| hidden");
}

TEST_F(ProdSumTest, CloseAndEscRedrawTheMapOnce) {
    for (bool byKey : {false, true}) {
        ui::ProdSumFrm w(t.game, nullptr);
        w.show();
        byKey ? QTest::keyClick(&w, Qt::Key_Escape) : Click(&w, "CloseBtn");
        EXPECT_FALSE(w.isVisible());
        w.close();  // already closed: no second redraw
    }
    EXPECT_EQ(t.view.mapDraws, 2);
}

}  // namespace
}  // namespace zenthar::testing
