// The settings file: reading the one key, cutting long values, creating and rewriting the file
// without touching its other lines, and refusing values that would break it.
#include "options/inifile.h"

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

class IniFileTest : public ::testing::Test {
  protected:
    fs::path ini() const { return folder.path() / "zenthar.ini"; }
    void write(const std::string& text) { std::ofstream(ini(), std::ios::binary) << text; }
    std::string read(const char* section = "Options", const char* key = "IntBrowser") {
        return ReadIniValue(ini(), section, key);
    }
    TempProgramFolder folder;
};

TEST_F(IniFileTest, ReadingFindsTheKeyInItsSectionOrSaysUnknown) {
    EXPECT_EQ(read(), "unknown");
    write("[Other]\nIntBrowser=/usr/bin/a\n[Options]\nSomething=1\nIntBrowser=\n");
    EXPECT_EQ(std::tuple(read(), read("Missing"), read("Other"), read("Options", "Something")),
              std::tuple("unknown", "unknown", "/usr/bin/a", "1"));
    // Blanks and quotes round the value are not part of it; names ignore letter case.
    write("; Zenthar settings\r\n[ options ]\r\n  intbrowser =  \"/opt/My Browser/run\"  \r\n");
    EXPECT_EQ(read(), "/opt/My Browser/run");
}

TEST_F(IniFileTest, ReadingLooksOnlyAtTheStartOfAHugeFile) {
    // The key within the first 64 KiB is found; one beyond it, or cut by the limit, is not.
    const std::string filler = "; " + std::string(kIniReadMax - 40, 'x') + "\n";
    write("[Options]\n" + filler + "IntBrowser=/usr/bin/near\n; " + std::string(40, 'w') + "\n");
    EXPECT_EQ(read(), "/usr/bin/near") << "the last line the limit leaves whole is read whole";
    write("[Options]\n" + filler + "; " + std::string(40, 'y') + "\nIntBrowser=/usr/bin/far\n");
    EXPECT_EQ(read(), "unknown");
    write("[Options]\n" + filler + "IntBrowser=/usr/bin/" + std::string(100, 'z') + "\n");
    EXPECT_EQ(read(), "unknown") << "a value cut by the limit must not be used";
    // Writing still keeps the whole file.
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "Other", "1"));
    EXPECT_NE(ReadText(ini()).find(std::string(100, 'z')), std::string::npos);
}

TEST_F(IniFileTest, WritingCreatesReplacesCutsAndStoresEmptyValues) {
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "/usr/bin/firefox"));
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "/usr/bin/chromium"));
    EXPECT_EQ(ReadText(ini()), "[Options]\nIntBrowser=/usr/bin/chromium\n");

    std::string value(300, 'x');
    for (std::size_t i = 0; i < value.size(); ++i) value[i] = static_cast<char>('a' + i % 26);
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", value));
    EXPECT_EQ(read(), value.substr(0, 254));

    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", ""));
    EXPECT_EQ(std::tuple(ReadText(ini()), read()),
              std::tuple("[Options]\nIntBrowser=\n", "unknown"));
}

TEST_F(IniFileTest, OtherLinesAndTheLineEndsStayAsTheyWere) {
    write(
        "; kept\r\n[Display]\r\nWidth=800\r\n\r\n[Options]\r\nTheme=dark\r\n\r\n[Sound]\r\n"
        "Volume=3\r\n");
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "/usr/bin/x"));
    EXPECT_EQ(ReadText(ini()),
              "; kept\r\n[Display]\r\nWidth=800\r\n\r\n[Options]\r\nTheme=dark\r\n"
              "IntBrowser=/usr/bin/x\r\n\r\n[Sound]\r\nVolume=3\r\n");

    write("[Display]\nWidth=800");  // no line end on the last line
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "b"));
    EXPECT_EQ(ReadText(ini()), "[Display]\nWidth=800\n\n[Options]\nIntBrowser=b\n");
}

TEST_F(IniFileTest, BadValuesAndUnwritablePlacesAreRefusedAndChangeNothing) {
    ASSERT_TRUE(WriteIniValue(ini(), "Options", "IntBrowser", "/usr/bin/x"));
    const std::string before = ReadText(ini());
    // clang-format off
    const std::tuple<const char*, const char*, const char*> bad[] = {
        {"Options", "IntBrowser", "/usr/bin/y\n[Evil]"}, {"Options", "IntBrowser", "a\rb"},
        {"Opt]ions", "IntBrowser", "a"}, {"Options", "Int=Browser", "a"}, {"", "IntBrowser", "a"}};
    // clang-format on
    for (const auto& [section, key, value] : bad)
        EXPECT_FALSE(WriteIniValue(ini(), section, key, value)) << section << " " << key;
    EXPECT_EQ(ReadText(ini()), before);

    const auto nowhere = folder.path() / "no-such-folder" / "zenthar.ini";
    EXPECT_FALSE(WriteIniValue(nowhere, "Options", "IntBrowser", "a") || fs::exists(nowhere));
    fs::remove(ini());
    fs::create_directory(ini());  // a folder in the file's place
    EXPECT_TRUE(!WriteIniValue(ini(), "Options", "IntBrowser", "a") && fs::is_directory(ini()));
}

}  // namespace
}  // namespace zenthar::testing
