// The End Turn Summary window.
#include "reports/DispTurnSumFrm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "game/numbers.h"
#include "ui/units.h"

namespace zenthar::ui {

namespace {

const QColor kBackground(22, 26, 38);
const QColor kStripe(32, 38, 56);
const QColor kHeading(120, 225, 120);
const QColor kText(235, 235, 225);

QLabel* makeLabel(QWidget* parent, const QString& text, const QColor& colour, bool bold) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 1.15);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QString numberForm(int n) {
    return QString::fromStdString(ReportNumber(n));
}

}  // namespace

DispTurnSumFrm::DispTurnSumFrm(const std::filesystem::path& reportFile, QWidget* parent)
    : DispTurnSumFrm(reportFile, zenthar::History(), parent) {}

DispTurnSumFrm::DispTurnSumFrm(const std::filesystem::path& reportFile, zenthar::History chronicle,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), chronicle_(std::move(chronicle)) {
    setObjectName("DispTurnSumFrm");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("End Turn Summary");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kBackground);
    setPalette(p);
    buildTable();
    Form_Load(reportFile);
    buildYearChoice();
}

void DispTurnSumFrm::buildTable() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);

    // Two heading rows: "Attacking"/"Ships" and so on, "Remaining Ships" spanning two columns.
    const std::array<std::pair<const char*, const char*>, kColumns> headings{{
        {"", "Attacker"},
        {"", "Planet"},
        {"", "Defender"},
        {"Attacking", "Ships"},
        {"Defending", "Ships"},
        {"Remaining Ships", "Attacker"},
        {"", "Defender"},
        {"", "Result"},
    }};
    for (int c = 0; c < kColumns; ++c) {
        const auto& [top, bottom] = headings.at(static_cast<std::size_t>(c));
        const Qt::Alignment align = (c >= 3 && c <= 6) ? Qt::AlignHCenter : Qt::AlignLeft;
        if (*top != '\0') {
            QLabel* h = makeLabel(this, top, kHeading, true);
            h->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            grid->addWidget(h, 0, c, 1, c == 5 ? 2 : 1);
        }
        QLabel* h = makeLabel(this, bottom, kHeading, true);
        h->setAlignment(align | Qt::AlignBottom);
        h->setContentsMargins(6, 0, 6, 6);
        grid->addWidget(h, 1, c);
    }

    static constexpr std::array<const char*, kColumns> kNames{
        "AttackerLbl", "PlanetLbl",      "DefenderLbl",    "AttShipsLbl",
        "DefShipsLbl", "RemAttShipsLbl", "RemDefShipsLbl", "ResultLbl"};
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            QLabel* l = makeLabel(this, QString(), kText, false);
            l->setObjectName(QString("%1_%2").arg(kNames.at(static_cast<std::size_t>(c))).arg(r));
            l->setAlignment(((c >= 3 && c <= 6) ? Qt::AlignHCenter : Qt::AlignLeft) |
                            Qt::AlignVCenter);
            l->setContentsMargins(8, 4, 8, 4);
            l->setMinimumHeight(l->fontMetrics().height() + 14);
            if (r % 2 == 1) {
                l->setAutoFillBackground(true);
                QPalette lp = l->palette();
                lp.setColor(QPalette::Window, kStripe);
                l->setPalette(lp);
            }
            cells_.at(static_cast<std::size_t>(c)).at(static_cast<std::size_t>(r)) = l;
            grid->addWidget(l, r + 2, c);
        }
    }
    const std::array<int, kColumns> stretch{14, 14, 14, 7, 7, 7, 7, 30};
    for (int c = 0; c < kColumns; ++c)
        grid->setColumnStretch(c, stretch.at(static_cast<std::size_t>(c)));

    PrevBtn_ = new QPushButton("<< Previous", this);
    PrevBtn_->setObjectName("PrevBtn");
    NextBtn_ = new QPushButton("Next >>", this);
    NextBtn_->setObjectName("NextBtn");
    CloseBtn_ = new QPushButton("Close", this);
    CloseBtn_->setObjectName("CloseBtn");
    CloseBtn_->setDefault(true);
    connect(PrevBtn_, &QPushButton::clicked, this, &DispTurnSumFrm::PrevBtn_Click);
    connect(NextBtn_, &QPushButton::clicked, this, &DispTurnSumFrm::NextBtn_Click);
    connect(CloseBtn_, &QPushButton::clicked, this, &DispTurnSumFrm::CloseBtn_Click);
    // Esc closes it as Close does, as it closes every other window of the game.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &DispTurnSumFrm::CloseBtn_Click);

    PageLbL_ = makeLabel(this, QString(), kText, true);
    PageLbL_->setObjectName("PageLbL");
    PagesLbl_ = makeLabel(this, QString(), kText, true);
    PagesLbl_->setObjectName("PagesLbl");
    QLabel* of = makeLabel(this, "of", kText, false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(PrevBtn_);
    bottom->addWidget(NextBtn_);
    bottom->addSpacing(16);
    bottom->addWidget(makeLabel(this, "Page", kText, false));
    bottom->addWidget(PageLbL_);
    bottom->addWidget(of);
    bottom->addWidget(PagesLbl_);
    bottom->addStretch();
    // The year buttons go here when the window has a chronicle to step through.
    bottom->setObjectName("BottomRow");
    bottom->addWidget(CloseBtn_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(bottom);
}

void DispTurnSumFrm::Form_Load(const std::filesystem::path& reportFile) {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const double dpi = logicalDpiX();
    move(area.x(), area.y() + TwipsToPixels(500, dpi));
    resize(std::max(480, area.width() - TwipsToPixels(500, dpi)),
           std::max(360, area.height() - TwipsToPixels(1000, dpi)));

    summary_ = ReadTurnSummary(reportFile);
    if (summary_.fileFound && !summary_.firstLine.empty())
        setWindowTitle(QString::fromStdString("End Turn Summary for the year: " + summary_.year()));

    DispRows(1);
    PageLbL_->setText("1");
    PagesLbl_->setText(numberForm(summary_.pages()));
}

void DispTurnSumFrm::buildYearChoice() {
    fileSummary_ = summary_;
    if (chronicle_.empty()) return;
    const int last = static_cast<int>(chronicle_.size()) - 1;
    if (summary_.fileFound && summary_.year() == std::to_string(chronicle_.back().year))
        fileYear_ = last;
    shownYear_ = fileYear_;

    PrevYearBtn_ = new QPushButton("Previous &Year", this);
    PrevYearBtn_->setObjectName("PrevYearBtn");
    NextYearBtn_ = new QPushButton("Ne&xt Year", this);
    NextYearBtn_->setObjectName("NextYearBtn");
    YearCmb_ = new QComboBox(this);
    YearCmb_->setObjectName("YearCmb");
    YearCmb_->setAccessibleName("Year");
    for (std::size_t i = 0; i < chronicle_.size(); ++i)
        YearCmb_->addItem(QString::number(chronicle_[i].year));
    YearCmb_->setCurrentIndex(fileYear_);
    connect(PrevYearBtn_, &QPushButton::clicked, this, &DispTurnSumFrm::PrevYearBtn_Click);
    connect(NextYearBtn_, &QPushButton::clicked, this, &DispTurnSumFrm::NextYearBtn_Click);
    connect(YearCmb_, &QComboBox::activated, this, &DispTurnSumFrm::YearCmb_Change);

    auto* bottom = findChild<QHBoxLayout*>("BottomRow");
    const int at = bottom->indexOf(CloseBtn_);
    bottom->insertWidget(at, NextYearBtn_);
    bottom->insertWidget(at, YearCmb_);
    bottom->insertWidget(at, PrevYearBtn_);
    bottom->insertSpacing(at + 3, 16);
}

void DispTurnSumFrm::showSummary(const zenthar::TurnSummary& summary) {
    summary_ = summary;
    setWindowTitle(summary_.fileFound && !summary_.firstLine.empty()
                       ? QString::fromStdString("End Turn Summary for the year: " + summary_.year())
                       : QString("End Turn Summary"));
    DispRows(1);
    PageLbL_->setText("1");
    PagesLbl_->setText(numberForm(summary_.pages()));
}

void DispTurnSumFrm::showYear(int index) {
    if (index < 0 || index >= static_cast<int>(chronicle_.size())) return;
    shownYear_ = index;
    YearCmb_->setCurrentIndex(index);
    if (index == fileYear_) {
        showSummary(fileSummary_);
        return;
    }
    const HistoryYear& year = chronicle_[static_cast<std::size_t>(index)];
    std::string report;
    if (year.report(report)) {
        showSummary(ParseTurnSummary(report));
        return;
    }
    // A saved game damaged past what its check sees: the year stays in the list, without rows.
    showSummary(TurnSummary{});
    setWindowTitle(
        QString::fromStdString("End Turn Summary for the year: " + std::to_string(year.year) +
                               " (its report could not be read)"));
}

void DispTurnSumFrm::PrevYearBtn_Click() {
    if (shownYear_ < 0)
        showYear(static_cast<int>(chronicle_.size()) - 1);
    else if (shownYear_ > 0)
        showYear(shownYear_ - 1);
}

void DispTurnSumFrm::NextYearBtn_Click() {
    if (shownYear_ >= 0) showYear(shownYear_ + 1);
}

void DispTurnSumFrm::YearCmb_Change(int index) {
    showYear(index);
}

void DispTurnSumFrm::DispRows(int nPageNum) {
    const int first = (nPageNum - 1) * kRows;
    for (int k = 0; k < kRows; ++k) {
        const int r = first + k;
        const bool filled = r >= 0 && r <= summary_.RowsLast();
        for (int c = 0; c < kColumns; ++c) {
            const std::string text =
                filled ? summary_.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]
                       : std::string();
            cell(k, c)->setText(QString::fromStdString(text));
        }
    }
    PageLbL_->setText(numberForm(nPageNum));
}

int DispTurnSumFrm::shownNumber(const QLabel* label) const {
    return label->text().trimmed().toInt();
}

void DispTurnSumFrm::NextBtn_Click() {
    const int page = shownNumber(PageLbL_);
    if (shownNumber(PagesLbl_) > page) DispRows(page + 1);
}

void DispTurnSumFrm::PrevBtn_Click() {
    const int page = shownNumber(PageLbL_);
    if (page > 1) DispRows(page - 1);
}

void DispTurnSumFrm::CloseBtn_Click() {
    close();
}

}  // namespace zenthar::ui
