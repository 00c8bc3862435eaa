// Reports › Statistics: line charts of the game's chronicle, one line per side, for the figure
// the player picks; and, in its second form, the story of a finished game with every figure of
// every side. Built anew from the chronicle each time it opens.
#pragma once

#include <QDialog>
#include <QSet>
#include <functional>

#include "game/game.h"
#include "reports/statistics.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLegendMarker;
class QPushButton;

namespace zenthar::ui {

class StatisticsFrm : public QDialog {
    Q_OBJECT

  public:
    enum class Mode { Statistics, Story };
    // Asks where the CSV goes; the empty text when the player cancels.
    using FileChooser = std::function<QString()>;

    StatisticsFrm(zenthar::Game& game, Mode mode, QWidget* parent);

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    // Opens the story of the game (the Statistics window's "Story of the Game" button).
    void setStoryOpener(std::function<void()> open) { openStory_ = std::move(open); }

    // Whose private figures are shown: the player whose turn it is, or kEveryone in the story.
    int viewer() const { return viewer_; }
    QChart* chart() const { return chart_; }
    // Whether a side's line is shown; a click on its legend entry hides or shows it, and it
    // stays so for every figure until clicked again.
    bool sideShown(int side) const { return !hiddenSides_.contains(side); }
    void toggleSide(int side);

  public slots:
    void FigureCmb_Change();
    void ExportBtn_Click();
    void StoryBtn_Click();

  private:
    void showFigure(zenthar::Figure figure);
    void styleMarker(QLegendMarker* marker, int side, bool shown);

    zenthar::Game& game_;
    // The game as it stood when the window opened: the window shows that moment, whatever
    // happens to the game while it stays open.
    const zenthar::GameState st_;
    Mode mode_;
    int viewer_ = -1;
    FileChooser chooseFile_;
    std::function<void()> openStory_;
    QComboBox* FigureCmb_ = nullptr;
    QChartView* ChartView_ = nullptr;
    QChart* chart_ = nullptr;
    QLabel* OutcomeLbl_ = nullptr;
    QLabel* NoYearsLbl_ = nullptr;
    QLabel* StoryLbl_ = nullptr;
    QSet<int> hiddenSides_;
    QPushButton* ExportBtn_ = nullptr;
    QPushButton* StoryBtn_ = nullptr;
    QPushButton* CloseBtn_ = nullptr;
};

}  // namespace zenthar::ui
