// The End Turn Summary window: the turn report file of the last year end as a table of 15 rows
// a page, with Next and Previous. It is shown without blocking the main window and is gone
// once closed; every opening reads the file again.
#pragma once

#include <QWidget>
#include <array>
#include <filesystem>

#include "game/history.h"
#include "reports/turn_summary.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace zenthar::ui {

class DispTurnSumFrm : public QWidget {
    Q_OBJECT

  public:
    DispTurnSumFrm(const std::filesystem::path& reportFile, QWidget* parent);
    // With the game's chronicle the window can also step back to the reports of earlier years;
    // it opens on the last year's report file as without it.
    DispTurnSumFrm(const std::filesystem::path& reportFile, zenthar::History chronicle,
                   QWidget* parent);

    // Shows page nPageNum (1-based); rows past the end show as empty.
    void DispRows(int nPageNum);

    // The table's cells are named by column and row: "AttackerLbl_0" to "ResultLbl_14".
    static constexpr int kRows = zenthar::kSummaryRowsPerPage;
    static constexpr int kColumns = zenthar::kSummaryColumns;

    const zenthar::TurnSummary& summary() const { return summary_; }

  public slots:
    void NextBtn_Click();
    void PrevBtn_Click();
    void CloseBtn_Click();
    void PrevYearBtn_Click();
    void NextYearBtn_Click();
    void YearCmb_Change(int index);

  private:
    void Form_Load(const std::filesystem::path& reportFile);
    void buildTable();
    int shownNumber(const QLabel* label) const;
    QLabel* cell(int row, int column) const {
        return cells_.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row));
    }

    void buildYearChoice();
    // Shows the report of chronicle year `index`, or the report file read at opening.
    void showYear(int index);
    void showSummary(const zenthar::TurnSummary& summary);

    zenthar::TurnSummary summary_;
    zenthar::TurnSummary fileSummary_;
    zenthar::History chronicle_;
    int fileYear_ = -1;  // the chronicle year the report file holds, or -1
    int shownYear_ = -1;
    QPushButton* PrevYearBtn_ = nullptr;
    QPushButton* NextYearBtn_ = nullptr;
    QComboBox* YearCmb_ = nullptr;
    QPushButton* CloseBtn_ = nullptr;
    QPushButton* NextBtn_ = nullptr;
    QPushButton* PrevBtn_ = nullptr;
    QLabel* PagesLbl_ = nullptr;
    QLabel* PageLbL_ = nullptr;
    // One array of 15 labels per column: AttackerLbl, PlanetLbl, DefenderLbl, AttShipsLbl,
    // DefShipsLbl, RemAttShipsLbl, RemDefShipsLbl, ResultLbl.
    std::array<std::array<QLabel*, kRows>, kColumns> cells_{};
};

}  // namespace zenthar::ui
