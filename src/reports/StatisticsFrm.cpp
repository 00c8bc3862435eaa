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
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <fstream>

#include "ui/side_colours.h"

namespace zenthar::ui {

namespace {

const QColor kBackground(22, 26, 38);
const QColor kText(235, 235, 225);
const QColor kGrid(70, 78, 100);

// Whole numbers on the axes, with room above the highest line.
void FitAxis(QValueAxis* axis, double lo, double hi) {
    if (hi <= lo) hi = lo + 1;
    axis->setRange(lo, hi);
    axis->applyNiceNumbers();
    axis->setLabelFormat("%d");
}

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

    auto* years = new QValueAxis;
    years->setTitleText("Year");
    auto* values = new QValueAxis;
    chart_->addAxis(years, Qt::AlignBottom);
    chart_->addAxis(values, Qt::AlignLeft);
    double firstYear = 0, lastYear = 0, low = 0, high = 0;
    bool any = false;
    for (const ChartLine& line : ChartLines(st_, figure, viewer_)) {
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(line.name));
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(line.points.size()));
        for (const auto& [year, value] : line.points) {
            points.append(QPointF(year, value));
            if (!any) firstYear = lastYear = year;
            firstYear = std::min<double>(firstYear, year);
            lastYear = std::max<double>(lastYear, year);
            low = std::min<double>(low, value);
            high = std::max<double>(high, value);
            any = true;
        }
        series->replace(points);
        QPen pen(SideColour(line.side));
        pen.setWidthF(2.0);
        series->setPen(pen);
        chart_->addSeries(series);
        series->attachAxis(years);
        series->attachAxis(values);
    }
    FitAxis(years, firstYear, lastYear);
    FitAxis(values, low, high);
    for (QValueAxis* axis : {years, values}) {
        axis->setLabelsColor(kText);
        axis->setTitleBrush(kText);
        axis->setGridLineColor(kGrid);
    }
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
    const std::string csv = HistoryCsv(st_, viewer_);
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out << csv;
    out.close();
    if (!out)
        game_.dialogs.inform("The statistics could not be written to " + path.toStdString() + ".");
}

void StatisticsFrm::StoryBtn_Click() {
    if (openStory_) openStory_();
}

}  // namespace zenthar::ui
