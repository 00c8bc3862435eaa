// The Statistics window and the story of a finished game.
#include "reports/StatisticsFrm.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <optional>

#include "game/saveload.h"
#include "game/storage.h"
#include "reports/chart_axes.h"
#include "reports/story.h"
#include "ui/side_colours.h"

namespace zenthar::ui {

namespace {

const QColor kBackground(22, 26, 38);
const QColor kText(235, 235, 225);
const QColor kGrid(70, 78, 100);

// Ticks on whole numbers only, as the core lays the axis out.
void ApplyAxis(QValueAxis* axis, const WholeAxis& whole) {
    axis->setRange(static_cast<double>(whole.lo), static_cast<double>(whole.hi));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(static_cast<double>(whole.anchor));
    axis->setTickInterval(static_cast<double>(whole.step));
    axis->setLabelFormat("%d");
}

constexpr int kMostYearSteps = 8;
constexpr int kMostCountSteps = 6;

}  // namespace

StatisticsFrm::StatisticsFrm(zenthar::Game& game, Mode mode, QWidget* parent)
    : QDialog(parent), game_(game), st_(game.st), mode_(mode) {
    const GameState& st = st_;
    const bool story = mode_ == Mode::Story;
    setObjectName(story ? "GameStoryFrm" : "StatisticsFrm");
    setWindowTitle(story ? "The Story of the Game" : "Statistics");
    setModal(true);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kBackground);
    p.setColor(QPalette::WindowText, kText);
    setPalette(p);
    viewer_ = story ? kEveryone : (st.validPlayer(st.CurrentPlTurn) ? st.CurrentPlTurn : -1);

    auto* layout = new QVBoxLayout(this);
    if (story) {
        OutcomeLbl_ = new QLabel(QString::fromStdString(OutcomeText(st)), this);
        OutcomeLbl_->setObjectName("OutcomeLbl");
        OutcomeLbl_->setTextFormat(Qt::PlainText);
        QFont f = OutcomeLbl_->font();
        f.setPointSizeF(f.pointSizeF() * 1.4);
        f.setBold(true);
        OutcomeLbl_->setFont(f);
        layout->addWidget(OutcomeLbl_);
        auto* ending = new QLabel(QString::fromStdString(EndingText(st)), this);
        ending->setObjectName("EndingLbl");
        ending->setTextFormat(Qt::PlainText);
        layout->addWidget(ending);
        // The war in a few lines, told from the chronicle and the year reports.
        QStringList lines;
        for (const StoryLine& line : StoryOfTheWar(st)) lines << QString::fromStdString(line.text);
        StoryLbl_ = new QLabel(lines.join('\n'), this);
        StoryLbl_->setObjectName("StoryLbl");
        StoryLbl_->setTextFormat(Qt::PlainText);
        StoryLbl_->setWordWrap(true);
        StoryLbl_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(StoryLbl_);
    }

    FigureCmb_ = new QComboBox(this);
    FigureCmb_->setObjectName("FigureCmb");
    for (Figure f : Figures()) {
        // A player's own figures are offered to that player; the story offers everybody's.
        if (IsPrivate(f) && viewer_ == -1) continue;
        FigureCmb_->addItem(QString::fromStdString(std::string(FigureName(f))),
                            static_cast<int>(f - kHistoryColumns.data()));
    }
    auto* figureLbl = new QLabel("&Figure:", this);
    figureLbl->setBuddy(FigureCmb_);
    auto* top = new QHBoxLayout;
    top->addWidget(figureLbl);
    top->addWidget(FigureCmb_);
    top->addStretch();
    layout->addLayout(top);

    chart_ = new QChart;
    chart_->setTheme(QChart::ChartThemeDark);
    chart_->setBackgroundBrush(kBackground);
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->legend()->setLabelColor(kText);
    ChartView_ = new QChartView(chart_, this);
    ChartView_->setObjectName("ChartView");
    ChartView_->setRenderHint(QPainter::Antialiasing);
    ChartView_->setFocusPolicy(Qt::NoFocus);
    ChartView_->setMinimumSize(360, 240);
    layout->addWidget(ChartView_, 1);
    // Before the first year end there is nothing to chart: say so rather than draw empty axes.
    NoYearsLbl_ = new QLabel(
        "No year has ended yet. The figures are charted from the end of the first year.", this);
    NoYearsLbl_->setObjectName("NoYearsLbl");
    NoYearsLbl_->setAlignment(Qt::AlignCenter);
    NoYearsLbl_->setWordWrap(true);
    layout->addWidget(NoYearsLbl_, 1);
    const bool noYears = st.Chronicle.empty();
    NoYearsLbl_->setVisible(noYears);
    ChartView_->setVisible(!noYears);

    ExportBtn_ = new QPushButton("&Export Statistics…", this);
    ExportBtn_->setObjectName("ExportBtn");
    CloseBtn_ = new QPushButton("Close", this);
    CloseBtn_->setObjectName("CloseBtn");
    CloseBtn_->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ExportBtn_);
    if (!story) {
        StoryBtn_ = new QPushButton("&Story of the Game…", this);
        StoryBtn_->setObjectName("StoryBtn");
        // Only a decided game has a story to tell, whether decided now or before it was saved.
        StoryBtn_->setEnabled(st.Decided >= 0);
        bottom->addWidget(StoryBtn_);
        connect(StoryBtn_, &QPushButton::clicked, this, &StatisticsFrm::StoryBtn_Click);
    }
    bottom->addStretch();
    bottom->addWidget(CloseBtn_);
    layout->addLayout(bottom);
    connect(ExportBtn_, &QPushButton::clicked, this, &StatisticsFrm::ExportBtn_Click);
    connect(CloseBtn_, &QPushButton::clicked, this, &QDialog::reject);
    connect(FigureCmb_, &QComboBox::currentIndexChanged, this, &StatisticsFrm::FigureCmb_Change);

    // Two thirds of the screen, never more than it holds.
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
    resize(std::min(area.width() * 9 / 10, std::max(640, area.width() * 2 / 3)),
           std::min(area.height() * 9 / 10, std::max(480, area.height() * 2 / 3)));

    FigureCmb_->setCurrentIndex(0);
    FigureCmb_Change();
    FigureCmb_->setFocus();
}

void StatisticsFrm::FigureCmb_Change() {
    const int index = std::max(0, FigureCmb_->currentIndex());
    showFigure(&kHistoryColumns.at(static_cast<std::size_t>(FigureCmb_->itemData(index).toInt())));
}

void StatisticsFrm::showFigure(Figure figure) {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    chart_->setTitle(QString::fromStdString(std::string(FigureName(figure))));

    const std::vector<ChartLine> lines = ChartLines(st_, figure, viewer_);
    const std::vector<int> hidden(hiddenSides_.begin(), hiddenSides_.end());
    const std::optional<int> apart = SideApart(lines, hidden);
    auto* years = new QValueAxis;
    years->setTitleText("Year");
    auto* values = new QValueAxis;
    chart_->addAxis(years, Qt::AlignBottom);
    chart_->addAxis(values, Qt::AlignLeft);
    QValueAxis* own = nullptr;
    if (apart) {
        // The side far above the others reads against the right-hand axis, in its colour.
        own = new QValueAxis;
        own->setTitleText(QString::fromStdString(SideName(st_, *apart)));
        chart_->addAxis(own, Qt::AlignRight);
        values->setTitleText("Players");
    }
    long long firstYear = 0, lastYear = 0;
    std::array<long long, 2> low{0, 0}, high{0, 0};  // the left axis, the side's own
    bool any = false;
    for (const ChartLine& line : lines) {
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(line.name));
        const bool onOwn = apart && line.side == *apart;
        const bool shown = !hiddenSides_.contains(line.side);
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(line.points.size()));
        for (const auto& [year, value] : line.points) {
            points.append(QPointF(year, value));
            if (!any) firstYear = lastYear = year;
            firstYear = std::min<long long>(firstYear, year);
            lastYear = std::max<long long>(lastYear, year);
            any = true;
            // A hidden side does not stretch the axis of those shown.
            if (!shown) continue;
            low[onOwn] = std::min<long long>(low[onOwn], value);
            high[onOwn] = std::max<long long>(high[onOwn], value);
        }
        // A hidden side keeps its series, empty, so its legend entry stays to be clicked back.
        if (shown) series->replace(points);
        QPen pen(SideColour(line.side));
        pen.setWidthF(SideLineWidth(line.side));
        pen.setStyle(SideLineStyle(line.side));
        series->setPen(pen);
        // A single year is a point, not a line: mark it.
        series->setPointsVisible(points.size() == 1);
        chart_->addSeries(series);
        series->attachAxis(years);
        series->attachAxis(onOwn ? own : values);
        series->setProperty("side", line.side);
        for (QLegendMarker* marker : chart_->legend()->markers(series)) {
            styleMarker(marker, line.side, shown);
            // Queued: the chart is drawn anew, and the clicked entry with it.
            connect(
                marker, &QLegendMarker::clicked, this,
                [this, side = line.side] { toggleSide(side); }, Qt::QueuedConnection);
        }
    }
    ApplyAxis(years, YearAxis(firstYear, lastYear, kMostYearSteps));
    ApplyAxis(values, CountAxis(low[0], high[0], kMostCountSteps));
    if (own) ApplyAxis(own, CountAxis(low[1], high[1], kMostCountSteps));
    for (QValueAxis* axis : {years, values, own}) {
        if (axis == nullptr) continue;
        axis->setLabelsColor(kText);
        axis->setTitleBrush(kText);
        axis->setGridLineColor(kGrid);
    }
    if (own) {
        own->setGridLineVisible(false);
        own->setLabelsColor(SideColour(*apart));
        own->setTitleBrush(SideColour(*apart));
    }
}

// A side's legend entry in its colour; a hidden side's entry stays, dimmed, to be clicked back.
void StatisticsFrm::styleMarker(QLegendMarker* marker, int side, bool shown) {
    QColor colour = SideColour(side);
    QColor label = kText;
    if (!shown) {
        colour.setAlpha(70);
        label.setAlpha(110);
    }
    marker->setVisible(true);
    marker->setBrush(colour);
    marker->setPen(QPen(colour));
    marker->setLabelBrush(label);
    QFont font = marker->font();
    font.setStrikeOut(!shown);
    marker->setFont(font);
}

void StatisticsFrm::toggleSide(int side) {
    if (!hiddenSides_.remove(side)) hiddenSides_.insert(side);
    // Drawn anew: the axes fit the sides still shown.
    FigureCmb_Change();
}

void StatisticsFrm::ExportBtn_Click() {
    QString path;
    if (chooseFile_) {
        path = chooseFile_();
    } else {
        const QString folder = QString::fromStdString(game_.GamesFolder().string());
        path = QFileDialog::getSaveFileName(this, "Export Statistics", folder + "/statistics.csv",
                                            "CSV Files (*.csv);;All Files (*)");
    }
    if (path.isEmpty()) return;
    // Whole or not at all: a failing disk leaves the file that was there as it was.
    try {
        ReplaceFile(path.toStdString(), HistoryCsv(st_, viewer_), NamedBy::Player);
    } catch (const StorageError& e) {
        game_.dialogs.inform("The statistics could not be written to " + path.toStdString() +
                             ".\r\r" + StorageErrorMessage(e));
    }
}

void StatisticsFrm::StoryBtn_Click() {
    if (openStory_) openStory_();
}

}  // namespace zenthar::ui
