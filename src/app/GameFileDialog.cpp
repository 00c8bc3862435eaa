// The file dialog of Open Game and Save Game. Qt's own dialog is used rather than the
// desktop's, because only it lets the game hide a file from the list.
#include "app/GameFileDialog.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QSortFilterProxyModel>

#include "game/savefile.h"

namespace zenthar::ui {

namespace {

class WithoutWorkingFile : public QSortFilterProxyModel {
  public:
    WithoutWorkingFile(GameFileDialog::FileTest isWorkingFile, QObject* parent)
        : QSortFilterProxyModel(parent), isWorkingFile_(std::move(isWorkingFile)) {}

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files == nullptr) return true;
        const QModelIndex index = files->index(row, 0, parent);
        return files->isDir(index) || !isWorkingFile_(files->filePath(index));
    }

  private:
    GameFileDialog::FileTest isWorkingFile_;
};

}  // namespace

GameFileDialog::GameFileDialog(Kind kind, const QString& folder, FileTest isWorkingFile,
                               zenthar::UserDialogs& dialogs, QWidget* parent)
    : QFileDialog(parent),
      kind_(kind),
      isWorkingFile_(std::move(isWorkingFile)),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("CMFileDlg"));
    setOption(QFileDialog::DontUseNativeDialog);
    setProxyModel(new WithoutWorkingFile(isWorkingFile_, this));
    setDirectory(folder);
    setNameFilters({QStringLiteral("Zenthar Files (*.mdb)"), QStringLiteral("All Files (*)")});
    if (kind == Kind::Save) {
        setWindowTitle(QStringLiteral("Save Game"));
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setDefaultSuffix(QStringLiteral("mdb"));
    } else {
        setWindowTitle(QStringLiteral("Open Game"));
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::ExistingFile);
    }
}

// The path the name field stands for, as the dialog would read it; empty for no name or several.
QString GameFileDialog::typedPath() const {
    const auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString text = field != nullptr ? field->text().trimmed() : QString();
    if (text.isEmpty() || text.contains(QLatin1Char('"'))) return {};
    QString path = directory().absoluteFilePath(text);
    if (kind_ == Kind::Save && QFileInfo(path).suffix().isEmpty() && !QFileInfo(path).isDir())
        path += QLatin1Char('.') + defaultSuffix();
    return path;
}

void GameFileDialog::accept() {
    QString path = typedPath();
    if (kind_ == Kind::Open && !path.isEmpty()) {
        const QString found =
            QString::fromStdString(zenthar::GameFileToOpen(path.toStdString()).string());
        if (found != path) {
            if (auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                field->setText(found);
            path = found;
        }
    }
    if (!path.isEmpty() && isWorkingFile_(path)) {
        dialogs_.inform("Invalid File Name.");
        return;
    }
    QFileDialog::accept();
}

}  // namespace zenthar::ui
