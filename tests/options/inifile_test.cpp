// The settings file: reading the one key, cutting long values, creating and rewriting the file
// without touching its other lines, and refusing values that would break it.
#include "options/inifile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

void Write(const std::filesystem::path& f, const std::string& text) {
    std::ofstream(f, std::ios::binary) << text;
}

class IniFileTest : public ::testing::Test {
  protected:
    std::filesystem::path ini() const { return folder.path() / "zenthar.ini"; }
    TempProgramFolder folder;
};

TEST_F(IniFileTest, NothingToReadIsUnknown) {
    EXPECT_EQ(ReadIniValue(ini(), "Options", "IntBrowser"), "unknown");
    Write(ini(), "[Other]\nIntBrowser=/usr/bin/a\n[Options]\nSomething=1\nIntBrowser=\n");
    EXPECT_EQ(ReadIniValue(ini(), "Options", "IntBrowser"), "unknown");
    EXPECT_EQ(ReadIniValue(ini(), "Missing", "IntBrowser"), "unknown");
    EXPECT_EQ(ReadIniValue(ini(), "Other", "IntBrowser"), "/usr/bin/a");
    EXPECT_EQ(ReadIniValue(ini(), "Options", "Something"), "1");
}

TEST_F(IniFileTest, ValuesAreReadWithoutSurroundingBlanksOrQuotesAndNamesIgnoreCase) {
    Write(ini(),
          "; Zenthar settings\r\n[ options ]\r\n  intbrowser =  \"/opt/My Browser/run\"  \r\n");
    EXPECT_EQ(ReadIniValue(ini(), "Options", "IntBrowser"), "/opt/My Browser/run");
}

TEST_F(IniFileTest, WritingCreatesTheFileSectionAndKey) {
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "/usr/bin/firefox"));
    EXPECT_EQ(ReadText(ini()), "[Options]\nIntBrowser=/usr/bin/firefox\n");
    EXPECT_EQ(ReadIniValue(ini(), "Options", "IntBrowser"), "/usr/bin/firefox");
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "/usr/bin/chromium"));
    EXPECT_EQ(ReadText(ini()), "[Options]\nIntBrowser=/usr/bin/chromium\n");
}

TEST_F(IniFileTest, ALongValueReadsBackAsItsFirst254Characters) {
    std::string value(300, 'x');
    for (std::size_t i = 0; i < value.size(); ++i) value[i] = static_cast<char>('a' + i % 26);
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", value));
    EXPECT_EQ(ReadIniValue(ini(), "Options", "IntBrowser"), value.substr(0, 254));
}

TEST_F(IniFileTest, AnEmptyValueIsStoredAndReadsAsNotSet) {
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", ""));
    EXPECT_EQ(ReadText(ini()), "[Options]\nIntBrowser=\n");
    EXPECT_EQ(ReadIniValue(ini(), "Options", "IntBrowser"), "unknown");
}

TEST_F(IniFileTest, OtherLinesAndTheLineEndsStayAsTheyWere) {
    const std::string before =
        "; "
        "kept\r\n[Display]\r\nWidth=800\r\n\r\n[Options]\r\nTheme=dark\r\n\r\n[Sound]\r\nVolume="
        "3\r\n";
    Write(ini(), before);
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "/usr/bin/x"));
    EXPECT_EQ(ReadText(ini()),
              "; kept\r\n[Display]\r\nWidth=800\r\n\r\n[Options]\r\nTheme=dark\r\n"
              "IntBrowser=/usr/bin/x\r\n\r\n[Sound]\r\nVolume=3\r\n");
    ASSERT_TRUE(WriteIniValue(ini(), "Sound", "Volume", "5"));
    EXPECT_EQ(ReadIniValue(ini(), "Sound", "Volume"), "5");
    EXPECT_EQ(ReadIniValue(ini(), "Display", "Width"), "800");
    EXPECT_EQ(ReadIniValue(ini(), "Options", "IntBrowser"), "/usr/bin/x");

    Write(ini(), "[Display]\nWidth=800");  // no line end on the last line
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "b"));
    EXPECT_EQ(ReadText(ini()), "[Display]\nWidth=800\n\n[Options]\nIntBrowser=b\n");
}

TEST_F(IniFileTest, ValuesThatWouldBreakTheFileAreRefusedAndChangeNothing) {
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "/usr/bin/x"));
    const std::string before = ReadText(ini());
    EXPECT_FALSE(WriteIniValue(ini(), "Options", "IntBrowser", "/usr/bin/y\n[Evil]"));
    EXPECT_FALSE(WriteIniValue(ini(), "Options", "IntBrowser", "a\rb"));
    EXPECT_FALSE(WriteIniValue(ini(), "Opt]ions", "IntBrowser", "a"));
    EXPECT_FALSE(WriteIniValue(ini(), "Options", "Int=Browser", "a"));
    EXPECT_FALSE(WriteIniValue(ini(), "", "IntBrowser", "a"));
    EXPECT_EQ(ReadText(ini()), before);
}

TEST_F(IniFileTest, AFileThatCannotBeWrittenIsReportedAsAFailure) {
    const auto nowhere = folder.path() / "no-such-folder" / "zenthar.ini";
    EXPECT_FALSE(WriteIniValue(nowhere, "Options", "IntBrowser", "a"));
    EXPECT_FALSE(std::filesystem::exists(nowhere));
    // A folder in the settings file's place cannot be replaced either.
    std::filesystem::create_directory(ini());
    EXPECT_FALSE(WriteIniValue(ini(), "Options", "IntBrowser", "a"));
    EXPECT_TRUE(std::filesystem::is_directory(ini()));
    EXPECT_EQ(ReadIniValue(ini(), "Options", "IntBrowser"), "unknown");
}

}  // namespace
}  // namespace zenthar::testing
