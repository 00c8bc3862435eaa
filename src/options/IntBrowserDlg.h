// Tools > Options > Set Internet Browser Location: where the web browser that shows the help
// page lives, kept in the settings file.
#pragma once

#include <QDialog>
#include <filesystem>

#include "game/platform.h"

class QLineEdit;
class QPushButton;

namespace zenthar::ui {

class IntBrowserDlg : public QDialog {
    Q_OBJECT

  public:
    // dialogs: where a failed write is reported; a plain message box when not given.
    IntBrowserDlg(const std::filesystem::path& iniFile, QWidget* parent,
                  zenthar::UserDialogs* dialogs = nullptr);

  public slots:
    void ResetCmd_Click();
    void OKButton_Click();
    void CancelButton_Click();

  private:
    void Form_Load();

    std::filesystem::path iniFile_;
    zenthar::UserDialogs* dialogs_;
    QLineEdit* IntBrowserTxt_ = nullptr;
    QPushButton* ResetCmd_ = nullptr;
    QPushButton* OKButton_ = nullptr;
    QPushButton* CancelButton_ = nullptr;
};

}  // namespace zenthar::ui
