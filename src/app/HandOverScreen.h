// The hot seat's curtain: between two human players it covers the map and the planet panel and
// names the player whose turn comes, so the one who just played does not see the next turn.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;

namespace zenthar::ui {

class HandOverScreen : public QWidget {
    Q_OBJECT

  public:
    // Covers `covered` (it becomes the parent) and keeps its size; hidden until showFor().
    explicit HandOverScreen(QWidget* covered);

    // Raised over everything in the covered area and given the keyboard; the name is drawn in
    // the side's colour.
    void showFor(int side, const QString& playerName, const QPixmap& symbol, const QString& year);

  signals:
    // The player pressed a key or clicked: the screen has gone.
    void dismissed();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void dismiss();

    QLabel* symbol_ = nullptr;
    QLabel* name_ = nullptr;
    QLabel* year_ = nullptr;
    QLabel* prompt_ = nullptr;
};

}  // namespace zenthar::ui
