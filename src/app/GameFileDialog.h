// The Open and Save dialog of the game's files. The game's own working file is neither listed
// nor accepted, and a name typed for Open without ".mdb" finds the game file of that name.
#pragma once

#include <QFileDialog>
#include <functional>

#include "game/platform.h"

namespace zenthar::ui {

class GameFileDialog : public QFileDialog {
    Q_OBJECT

  public:
    enum class Kind { Open, Save };
    using FileTest = std::function<bool(const QString& path)>;

    // isWorkingFile says which path is the working file; a refusal is told through dialogs.
    GameFileDialog(Kind kind, const QString& folder, FileTest isWorkingFile,
                   zenthar::UserDialogs& dialogs, QWidget* parent);

  public slots:
    void accept() override;

  private:
    QString typedPath() const;

    Kind kind_;
    FileTest isWorkingFile_;
    zenthar::UserDialogs& dialogs_;
};

}  // namespace zenthar::ui
