// Help Index and the browser location dialog: the not-set message, the default browser, the
// help page reaching a real program as one argument, failures told to the player, and the
// dialog's Reset, OK and Cancel.
#include "options/help.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <thread>

#include "options/IntBrowserDlg.h"
#include "options/inifile.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

using ui::HelpIndex;

class RecordingLauncher : public ui::ProgramLauncher {
  public:
    bool startDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override {
        programs.push_back(program);
        lastArguments = arguments;
        return succeed;
    }
    bool succeed = true;
    std::vector<std::string> programs;
    std::vector<std::string> lastArguments;
};

class HelpTest : public ::testing::Test {
  protected:
    HelpTest() { std::ofstream(t.game.ProgramFolder / "help.htm") << "<html></html>"; }
    std::filesystem::path ini() const { return ui::SettingsFile(t.game.ProgramFolder); }
    TestGame t;
    RecordingLauncher launcher;
};

TEST_F(HelpTest, WithoutASettingTheMessageComesOncePerUseAndTheDefaultBrowserOpensThePage) {
    EXPECT_TRUE(HelpIndex(t.game, launcher));
    ASSERT_EQ(t.dialogs.asked.size(), 1u);
    const MessageRequest& m = t.dialogs.asked[0];
    EXPECT_EQ(m.text,
              "The Internet Browser Option in the zenthar.ini file is not set or the file is "
              "missing\r\rThe default setting will be used but if you can't see the Help screen "
              "try to fix the problem");
    EXPECT_EQ(m.title, "Zenthar");
    EXPECT_EQ(m.buttons, Buttons::Ok);
    EXPECT_EQ(m.icon, Icon::None);
    EXPECT_EQ(launcher.programs, (std::vector<std::string>{"xdg-open"}));
    ASSERT_EQ(launcher.lastArguments.size(), 1u);
    EXPECT_EQ(std::filesystem::path(launcher.lastArguments[0]),
              std::filesystem::absolute(t.game.ProgramFolder) / "help.htm");

    EXPECT_TRUE(HelpIndex(t.game, launcher));
    EXPECT_EQ(t.dialogs.asked.size(), 2u);
    // A stored "unknown" is no setting either.
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "unknown"));
    EXPECT_TRUE(HelpIndex(t.game, launcher));
    EXPECT_EQ(t.dialogs.asked.size(), 3u);
    EXPECT_EQ(launcher.programs.back(), "xdg-open");
}

TEST_F(HelpTest, TheStoredBrowserIsUsedWithoutAMessage) {
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "/opt/Web Browser/browse"));
    EXPECT_TRUE(HelpIndex(t.game, launcher));
    EXPECT_TRUE(t.dialogs.asked.empty());
    EXPECT_EQ(launcher.programs, (std::vector<std::string>{"/opt/Web Browser/browse"}));
}

TEST_F(HelpTest, ABrowserThatCannotStartIsNamedInAMessage) {
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "/no/such/browser"));
    launcher.succeed = false;
    EXPECT_FALSE(HelpIndex(t.game, launcher));
    ASSERT_EQ(t.dialogs.asked.size(), 1u);
    const std::string& text = t.dialogs.asked[0].text;
    EXPECT_NE(text.find("\"/no/such/browser\""), std::string::npos) << text;
    EXPECT_NE(text.find("Tools > Options > Set Internet Browser Location"), std::string::npos);
    EXPECT_EQ(t.dialogs.asked[0].icon, Icon::None);
}

TEST_F(HelpTest, AMissingHelpPageIsToldAndNoBrowserStarts) {
    std::filesystem::remove(t.game.ProgramFolder / "help.htm");
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "/usr/bin/true"));
    EXPECT_FALSE(HelpIndex(t.game, launcher));
    EXPECT_TRUE(launcher.programs.empty());
    ASSERT_EQ(t.dialogs.asked.size(), 1u);
    EXPECT_NE(t.dialogs.asked[0].text.find("help.htm"), std::string::npos);
}

// A real program with blanks in its path and in the page's path, started without a shell:
// it writes down how many arguments it got and each of them.
TEST(HelpBrowser, APathWithBlanksReachesTheProgramAsOneArgument) {
    TempProgramFolder scratch;
    const auto programFolder = scratch.path() / "My Games" / "Zenthar; rm -rf x";
    const auto browserFolder = scratch.path() / "Web Browsers";
    std::filesystem::create_directories(programFolder);
    std::filesystem::create_directories(browserFolder);
    std::ofstream(programFolder / "help.htm") << "<html></html>";
    const auto record = scratch.path() / "arguments.txt";
    const auto script = browserFolder / "my browser.sh";
    {
        std::ofstream s(script);
        s << "#!/bin/sh\n"
          << "{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; } > '" << record.string()
          << ".part'\n"
          << "mv '" << record.string() << ".part' '" << record.string() << "'\n";
    }
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);

    ScriptedDialogs dialogs;
    SilentDisplay display;
    SilentView view;
    ScriptedRandom random;
    Game game(programFolder, dialogs, display, view, random);
    ASSERT_TRUE(
        WriteIniValue(ui::SettingsFile(programFolder), "Options", "IntBrowser", script.string()));
    ui::QtProgramLauncher launcher;
    ASSERT_TRUE(HelpIndex(game, launcher));
    EXPECT_TRUE(dialogs.asked.empty());

    QElapsedTimer clock;
    clock.start();
    while (!std::filesystem::exists(record) && clock.elapsed() < 10000)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(std::filesystem::exists(record));
    EXPECT_EQ(ReadText(record), "1\n" + (programFolder / "help.htm").string() + "\n");
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "x"));
}

TEST(HelpBrowser, AProgramThatDoesNotExistCannotBeStarted) {
    ui::QtProgramLauncher launcher;
    EXPECT_FALSE(launcher.startDetached("/no/such/dir/browser", {"/tmp/help.htm"}));
}

// ---- the browser location dialog -----------------------------------------------------------

class IntBrowserDlgTest : public ::testing::Test {
  protected:
    std::filesystem::path ini() const { return folder.path() / "zenthar.ini"; }
    TempProgramFolder folder;
};

TEST_F(IntBrowserDlgTest, OpensWithTheStoredValueOrEmpty) {
    {
        ui::IntBrowserDlg dlg(ini(), nullptr);
        EXPECT_EQ(dlg.IntBrowserTxt->text().toStdString(), "");
        EXPECT_EQ(dlg.ResetCmd->text().toStdString(), "Reset To Default");
        EXPECT_EQ(dlg.OKButton->text().toStdString(), "OK");
        EXPECT_EQ(dlg.CancelButton->text().toStdString(), "Cancel");
    }
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "/usr/bin/firefox"));
    ui::IntBrowserDlg dlg(ini(), nullptr);
    EXPECT_EQ(dlg.IntBrowserTxt->text().toStdString(), "/usr/bin/firefox");
}

TEST_F(IntBrowserDlgTest, ResetThenCancelLeavesTheFileAsItWas) {
    {
        ui::IntBrowserDlg dlg(ini(), nullptr);
        QTest::mouseClick(dlg.ResetCmd, Qt::LeftButton);
        EXPECT_EQ(dlg.IntBrowserTxt->text().toStdString(), "xdg-open");
        QTest::mouseClick(dlg.CancelButton, Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
    }
    EXPECT_FALSE(std::filesystem::exists(ini()));

    std::ofstream(ini(), std::ios::binary) << "[Options]\r\nIntBrowser=/usr/bin/links\r\n";
    const std::string before = ReadText(ini());
    ui::IntBrowserDlg dlg(ini(), nullptr);
    QTest::mouseClick(dlg.ResetCmd, Qt::LeftButton);
    QTest::mouseClick(dlg.CancelButton, Qt::LeftButton);
    EXPECT_EQ(ReadText(ini()), before);
}

TEST_F(IntBrowserDlgTest, OkStoresTheTextExactlyAsTypedEvenWhenEmpty) {
    {
        ui::IntBrowserDlg dlg(ini(), nullptr);
        dlg.IntBrowserTxt->setText("/opt/My Browser/run");
        QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_EQ(ReadIniValue(ini(), "Options", "IntBrowser"), "/opt/My Browser/run");
    {
        ui::IntBrowserDlg dlg(ini(), nullptr);
        dlg.IntBrowserTxt->clear();
        QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
    }
    EXPECT_EQ(ReadText(ini()), "[Options]\nIntBrowser=\n");
    EXPECT_EQ(ReadIniValue(ini(), "Options", "IntBrowser"), "unknown");
    ui::IntBrowserDlg dlg(ini(), nullptr);
    EXPECT_EQ(dlg.IntBrowserTxt->text().toStdString(), "");
}

TEST_F(IntBrowserDlgTest, AFailedWriteIsToldAndTheDialogStaysOpen) {
    ScriptedDialogs dialogs;
    const auto nowhere = folder.path() / "missing" / "zenthar.ini";
    ui::IntBrowserDlg dlg(nowhere, nullptr, &dialogs);
    dlg.show();
    dlg.IntBrowserTxt->setText("/usr/bin/x");
    QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_NE(dialogs.asked[0].text.find("could not be stored"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}

// The help page that ships with the game teaches every menu command with its keys and stands
// on its own (no pictures, scripts or style sheets fetched from elsewhere).
TEST(HelpPage, NamesEveryMenuCommandWithItsKeysAndNeedsNothingElse) {
    const std::string page =
        ReadText(std::filesystem::path(ZENTHAR_SOURCE_DIR) / "assets" / "help.htm");
    ASSERT_FALSE(page.empty());
    const std::vector<std::pair<std::string, std::string>> commands{
        {"New Game", "<kbd>Ctrl</kbd>+<kbd>N</kbd>"},
        {"Open Game", "<kbd>Ctrl</kbd>+<kbd>O</kbd>"},
        {"Save Game", "<kbd>Ctrl</kbd>+<kbd>S</kbd>"},
        {"Exit", "<kbd>Ctrl</kbd>+<kbd>Q</kbd>"},
        {"Send Ships", "<kbd>F2</kbd>"},
        {"Increase Production", "<kbd>Ctrl</kbd>+<kbd>I</kbd>"},
        {"End Turn", "<kbd>Ctrl</kbd>+<kbd>E</kbd>"},
        {"Ownership Map", "<kbd>F3</kbd>"},
        {"Show Fleets", "<kbd>F4</kbd>"},
        {"Production Summary", "<kbd>F5</kbd>"},
        {"End Turn Report", "<kbd>F6</kbd>"},
        {"Find Planet", "<kbd>Ctrl</kbd>+<kbd>F</kbd>"},
        {"Help Index", "<kbd>F1</kbd>"},
    };
    for (const auto& [command, keys] : commands) {
        const std::string row = "<td>" + command + "</td><td>" + keys + "</td>";
        EXPECT_NE(page.find(row), std::string::npos) << command;
    }
    for (const char* text : {"Skip End Turn Screen", "Sounds Off", "Set Internet Browser Location",
                             "About", "Beginner", "Intermidiate", "Advanced", "zenthar.ini",
                             "help.htm", "half the distance, rounded up"})
        EXPECT_NE(page.find(text), std::string::npos) << text;
    for (const char* external : {"http:", "https:", "src=", "<script", "<link", "@import"})
        EXPECT_EQ(page.find(external), std::string::npos) << external;
}

}  // namespace
}  // namespace zenthar::testing
