// Help Index and the browser location dialog: the not-set message, the default browser, the
// help page reaching a real program as one argument, the game's own help window when the
// browser fails, a missing page told to the player, and the dialog's Reset, OK and Cancel.
#include "options/help.h"

#include <QPushButton>
#include <QTextBrowser>

#include "options/HelpFrm.h"
#include "options/IntBrowserDlg.h"
#include "options/inifile.h"
#include "support/widgets.h"

namespace zenthar::testing {
namespace {

class RecordingLauncher : public ui::ProgramLauncher {
  public:
    // Each start as the program with each of its arguments after a "|"; every start succeeds.
    void start(const std::string& program, const std::vector<std::string>& arguments,
               std::function<void()>) override {
        started.push_back(program);
        for (const std::string& a : arguments) started.back() += "|" + a;
    }
    std::vector<std::string> started;
};

class HelpTest : public ::testing::Test {
  protected:
    HelpTest() { std::ofstream(t.game.ProgramFolder / "help.htm") << "<html></html>"; }
    void setBrowser(const std::string& path) {
        ASSERT_TRUE(WriteIniValue(t.game.SettingsFile(), "Options", "IntBrowser", path));
    }
    void help(ui::ProgramLauncher& with) {
        ui::HelpIndex(t.game, with, [this] { ++ownWindows; });
    }
    TestGame t;
    RecordingLauncher launcher;
    int ownWindows = 0;
};

// A browser that fails brings up the game's own window quietly: the real programs below.
TEST_F(HelpTest, WithoutASettingTheMessageComesAtEveryUseTheDefaultBrowserOpensAnyPageThereIs) {
    help(launcher);
    setBrowser("unknown");  // a stored "unknown" is no setting either
    help(launcher);
    ASSERT_EQ(t.dialogs.asked.size(), 2u) << "the message comes at every use";
    EXPECT_EQ(t.dialogs.asked[1].text,
              "The Internet Browser Option in the zenthar.ini file is not set or the file is "
              "missing\r\rThe default setting will be used but if you can't see the Help screen "
              "try to fix the problem");
    EXPECT_EQ(t.dialogs.asked[1].buttons, Buttons::Ok);
    setBrowser("/opt/Web Browser/browse");
    help(launcher);
    EXPECT_EQ(std::tuple(t.dialogs.asked.size(), ownWindows), std::tuple(2u, 0))
        << "a stored browser is used without a message";
    const std::string page = (fs::absolute(t.game.ProgramFolder) / "help.htm").string();
    EXPECT_EQ(launcher.started, (std::vector<std::string>{"xdg-open|" + page, "xdg-open|" + page,
                                                          "/opt/Web Browser/browse|" + page}));

    // Without the page no browser starts, and the player is told which file is missing.
    fs::remove(t.game.ProgramFolder / "help.htm");
    launcher.started.clear();
    help(launcher);
    ASSERT_EQ(std::tuple(launcher.started.size(), t.dialogs.asked.size(), ownWindows),
              std::tuple(0u, 3u, 0));
    EXPECT_NE(t.dialogs.asked[2].text.find("help.htm"), std::string::npos);
}

// Real programs, started without a shell from paths with blanks and a shell's special
// characters: one that is not there, one that ends with a failure, one that ends well. Each
// writes down how many arguments it got and each of them: the page's path is one. Only the first
// two bring up the game's own window, the second once it has ended.
TEST_F(HelpTest, ARealBrowserGetsThePageAsOneArgumentAndAFailureBringsUpTheOwnWindow) {
    const auto scratch = t.folder.path();
    t.game.ProgramFolder = scratch / "My Games" / "Zenthar; rm -rf x";
    fs::create_directories(t.game.ProgramFolder);
    fs::create_directories(scratch / "Web Browsers");
    std::ofstream(t.game.ProgramFolder / "help.htm") << "<html></html>";
    auto script = [&scratch](const char* name, int status) {
        const auto path = scratch / "Web Browsers" / name;
        const std::string ran = path.string() + ".ran";
        std::ofstream(path) << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" << ran
                            << ".part'\nmv '" << ran << ".part' '" << ran << "'\nexit " << status
                            << "\n";
        fs::permissions(path, fs::perms::owner_all);
        return path;
    };
    const std::tuple<fs::path, bool, int> cases[] = {{scratch / "no such browser", false, 1},
                                                     {script("failing browser", 3), true, 1},
                                                     {script("my browser.sh", 0), true, 0}};
    ui::QtProgramLauncher real;
    for (const auto& [browser, runs, shown] : cases) {
        SCOPED_TRACE(browser.string());
        ownWindows = 0;
        setBrowser(browser.string());
        help(real);
        const auto ran = fs::path(browser.string() + ".ran");
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return ownWindows != 0 || (runs && fs::exists(ran)); }, 10000));
        QTest::qWait(runs ? 700 : 0);  // its end is heard within half a second at most
        EXPECT_EQ(std::tuple(ownWindows, fs::exists(ran), t.dialogs.asked.size()),
                  std::tuple(shown, runs, 0u));
        EXPECT_EQ(ReadText(ran),
                  runs ? "1\n" + (t.game.ProgramFolder / "help.htm").string() + "\n" : "");
    }
    EXPECT_FALSE(fs::exists(t.game.ProgramFolder.parent_path() / "x"));
}

TEST(HelpFrm, ShowsThePageWithWorkingLinksBackAndEscToClose) {
    const auto page = fs::path(ZENTHAR_PROGRAM_DIR) / "help.htm";
    QPointer<ui::HelpFrm> open;
    ui::HelpFrm* w = ui::HelpFrm::showHelp(open, page, nullptr);
    ShowActive(w);
    auto* text = FindChild<QTextBrowser>(w, "HelpTxt");
    auto* back = FindChild<QPushButton>(w, "BackBtn");
    EXPECT_EQ(std::tuple(text->toPlainText().contains("Saving and loading"), back->isEnabled()),
              std::tuple(true, false));
    const QUrl start = text->source();
    text->setSource(QUrl(start.toString() + "#saving"));  // as a click on a link does
    EXPECT_EQ(std::tuple(text->source().fragment(), back->isEnabled()),
              std::tuple(QString("saving"), true));
    Click(w, "BackBtn");
    EXPECT_EQ(text->source(), start);
    EXPECT_EQ(ui::HelpFrm::showHelp(open, page, nullptr), w) << "one window, brought forward";
    QTest::keyClick(text, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(open.isNull() || !open->isVisible());
}

// ---- the browser location dialog -----------------------------------------------------------

TEST(IntBrowserDlg, OkStoresTheTextAsTypedResetAndCancelKeepTheFileAndAFailedWriteIsTold) {
    TempProgramFolder folder;
    const auto ini = folder.path() / "zenthar.ini";
    // Opens the dialog on the file, types `typed` (unless null), presses Reset if asked and then
    // `button`; returns the text it opened with.
    auto session = [&ini](const char* typed, bool reset, const char* button) {
        ui::IntBrowserDlg dlg(ini, nullptr);
        const std::string shown = Text(&dlg, "IntBrowserTxt");
        if (typed) FindChild<QLineEdit>(&dlg, "IntBrowserTxt")->setText(typed);
        if (reset) {
            Click(&dlg, "ResetCmd");
            EXPECT_EQ(Text(&dlg, "IntBrowserTxt"), "xdg-open");
        }
        Click(&dlg, button);
        return shown;
    };
    EXPECT_EQ(session(nullptr, true, "CancelButton"), "");
    EXPECT_EQ(session("/opt/My Browser/run", false, "OKButton"), "") << "Reset stored nothing";
    EXPECT_EQ(ReadText(ini), "[Options]\nIntBrowser=/opt/My Browser/run\n");
    EXPECT_EQ(session(nullptr, true, "CancelButton"), "/opt/My Browser/run");
    EXPECT_EQ(session("", false, "OKButton"), "/opt/My Browser/run") << "Cancel kept the file";
    EXPECT_EQ(ReadText(ini), "[Options]\nIntBrowser=\n");
    EXPECT_EQ(session(nullptr, false, "CancelButton"), "") << "not set reads as empty, not unknown";

    ScriptedDialogs dialogs;
    ui::IntBrowserDlg dlg(folder.path() / "missing" / "zenthar.ini", nullptr, &dialogs);
    dlg.show();
    Click(&dlg, "OKButton");
    ASSERT_EQ(std::tuple(dlg.isVisible(), dialogs.asked.size()), std::tuple(true, 1u));
    EXPECT_NE(dialogs.asked[0].text.find("could not be stored"), std::string::npos);
}

}  // namespace
}  // namespace zenthar::testing
