// Help > About: the program's name, version and platform and a few credits. It does not stop
// the game; a key or a click on its frame closes it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>

class QFrame;
class QLabel;

namespace zenthar::ui {

inline constexpr const char* kAppTitle = "Zenthar";

class frmSplash : public QWidget {
    Q_OBJECT

  public:
    frmSplash(const std::filesystem::path& programFolder, QWidget* parent);

    // The About command: shows the window, or brings forward the one already open.
    static frmSplash* showAbout(QPointer<frmSplash>& open,
                                const std::filesystem::path& programFolder, QWidget* parent);

  public slots:
    void Frame1_Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();

    QFrame* Frame1_ = nullptr;
    QLabel* imgLogo_ = nullptr;
    QLabel* lblProductName_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblPlatform_ = nullptr;
    std::array<QLabel*, 5> lblCredits_{};
};

}  // namespace zenthar::ui
