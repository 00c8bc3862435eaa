// The game's own help window: help.htm in a text browser with its links, Back and Close, for a
// machine whose browser cannot show the page. Esc closes it.
#pragma once

#include <QDialog>
#include <QPointer>
#include <filesystem>

class QPushButton;
class QTextBrowser;

namespace zenthar::ui {

class HelpFrm : public QDialog {
    Q_OBJECT

  public:
    HelpFrm(const std::filesystem::path& page, QWidget* owner);

    // Shows the window, or brings forward the one already open.
    static HelpFrm* showHelp(QPointer<HelpFrm>& open, const std::filesystem::path& page,
                             QWidget* owner);

  private:
    QTextBrowser* HelpTxt_ = nullptr;
    QPushButton* BackBtn_ = nullptr;
    QPushButton* CloseBtn_ = nullptr;
};

}  // namespace zenthar::ui
