// The Open and Save dialog: the working file is not listed and not accepted, and Open finds a
// game typed without ".mdb". The commands' own refusal of the game's files is
// crash_recovery_test.cpp's and commands_test.cpp's, which also opens a name typed without it.
#include <QListView>

#include "app/GameFileDialog.h"
#include "app/app_fixture.h"
#include "game/saveload.h"

namespace zenthar::testing {
namespace {

using GameFileDialogTest = AppTest;

TEST_F(GameFileDialogTest, TheWorkingFileIsNeitherListedNorAcceptedAndOpenAddsTheExtension) {
    startShown();
    twoPlayers(5);  // a galaxy big enough to save
    SaveGame(window->game(), games("mine.mdb"));
    using Kind = ui::GameFileDialog::Kind;
    for (Kind kind : {Kind::Open, Kind::Save}) {
        SCOPED_TRACE(kind == Kind::Open ? "open" : "save");
        ui::GameFileDialog dlg(
            kind, QString::fromStdString(window->game().GamesFolder().string()),
            [this](const QString& p) { return IsWorkingFile(window->game(), p.toStdString()); },
            window->dialogs(), window.get());
        dlg.show();
        auto* list = dlg.findChild<QListView*>("listView");
        auto listed = [list] {
            QStringList names;
            for (int r = 0; r < list->model()->rowCount(list->rootIndex()); ++r)
                names << list->model()->index(r, 0, list->rootIndex()).data().toString();
            return names;
        };
        QTRY_VERIFY(listed().contains("mine.mdb"));
        EXPECT_FALSE(listed().contains("newgame.mdb")) << listed().join(" ").toStdString();

        auto* name = dlg.findChild<QLineEdit*>("fileNameEdit");
        for (const char* typed : {"newgame.mdb", "NEWGAME.MDB", "newgame"}) {
            if (kind == Kind::Open && std::string(typed) == "newgame") continue;  // no such file
            asked.clear();
            name->setText(typed);
            dlg.accept();
            EXPECT_TRUE(dlg.isVisible()) << typed;
            ASSERT_EQ(asked.size(), 1u) << typed;
            EXPECT_EQ(asked[0].text, "Invalid File Name.");
        }
        // Open finds mine.mdb; Save adds the extension to a new name.
        name->setText(kind == Kind::Open ? "mine" : "fresh");
        dlg.accept();
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.selectedFiles(),
                  QStringList{gamesPath(kind == Kind::Open ? "mine.mdb" : "fresh.mdb")});
    }
}

}  // namespace
}  // namespace zenthar::testing
