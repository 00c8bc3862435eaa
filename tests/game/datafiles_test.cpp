// Reading the three data files with their comma-separated input rule.
#include "game/datafiles.h"
#include "support/galaxy_builder.h"

namespace zenthar {
namespace {

class DataFiles : public ::testing::Test {
  protected:
    std::filesystem::path write(const std::string& name, const std::string& content) {
        auto p = folder.path() / name;
        std::ofstream(p, std::ios::binary) << content;
        return p;
    }
    testing::TempProgramFolder folder;
    GameState st;
};

TEST_F(DataFiles, PlanetLinesGiveIdAndNameAndACommaStartsTheNextEntry) {
    ReadPlanetsFile(write("p.dat", "07 Nova\r\n08\r\n09 Far Away Place, Prime\n\"10 A, B\"\n"), st);
    // " Prime" loses its leading blank and is read as a line of its own; a quoted field keeps
    // its comma.
    std::string read;
    for (int i = 0; i <= st.PlanetNamesLast; ++i)
        read += st.planet(i).PlanetId.padded() + " " + st.planet(i).Name.trimmed() + "|";
    EXPECT_EQ(read, "07 Nova|08 |09 Far Away Place|Pr me|10 A, B|");
    EXPECT_EQ(st.PlanetList[1].Name.padded(), std::string(40, ' '));

    std::string content;
    for (int n = 1; n <= 60; ++n)
        content +=
            FormatTwoDigits(n) + " " + std::string(50, static_cast<char>('A' + n % 26)) + "\n";
    ReadPlanetsFile(write("p.dat", content), st);
    // An overlong file stops at 51, and an overlong name is cut to 40.
    EXPECT_EQ(std::tuple(st.PlanetNamesLast, st.PlanetList[50].PlanetId.padded(),
                         st.PlanetList[0].Name.padded().size()),
              std::tuple(50, "51", 40u));
}

// Blanks, tabs, line ends and an old editor's end-of-file mark end a file; anything else is a
// field still to read.
TEST(FieldReaderEnd, OnlyBlanksAndLineEndsAreTheEnd) {
    for (const char* rest : {"", " ", "\t", "\r\n", "\n", "\x1a", " \t\r\n\x1a "})
        EXPECT_TRUE(FieldReader(rest).atEnd()) << '"' << rest << '"';
    // clang-format off
    const char* const fields[] = {"x", " 1", "\r\n,", "\x1a" "2", "\t\"\""};
    // clang-format on
    for (const char* rest : fields) EXPECT_FALSE(FieldReader(rest).atEnd()) << '"' << rest << '"';
}

TEST_F(DataFiles, AByteOrderMarkIsSkippedAndIdsMustCountFromOneOrStartUpIsRefused) {
    const std::string bom = "\xEF\xBB\xBF";
    const auto file = write("p.dat", bom + "01 Nova\n02 Vega\n");
    ReadPlanetsFile(file, st);
    EXPECT_NO_THROW(CheckPlanetIds(file, st));
    ReadCrtFile(write("crt.dat", bom + "-7,3\n"), st.CrtTable);
    EXPECT_EQ(std::tuple(st.PlanetList[0].PlanetId.padded(), st.CrtTable[0][0]),
              std::tuple("01", -7));

    for (const char* bad : {"01 Nova\n03 Vega\n", "01 Nova\n2 Vega\n", "01 Nova\n\n02 Vega\n"}) {
        SCOPED_TRACE(bad);
        ReadPlanetsFile(write("p.dat", bad), st);
        const std::string said =
            testing::StorageErrorText([&] { CheckPlanetIds(file, st); }, errors::kTypeMismatch);
        EXPECT_NE(said.find(file.string()), std::string::npos) << said;
        EXPECT_NE(said.find("line 2 must begin with the planet id 02"), std::string::npos) << said;
    }
    // Start-up refuses a damaged names file before it touches the working file.
    testing::TestGame t;
    const auto working = t.game.WorkingFile();
    const std::string before = testing::ReadText(working);
    std::ofstream(t.game.file("planets.dat"), std::ios::binary) << "01 Nova\n01 Vega\n";
    EXPECT_THROW(StartUp(t.game), StorageError);
    EXPECT_EQ(testing::ReadText(working), before);
}

TEST_F(DataFiles, CrtFillsSixColumnsOfNineAndLeavesTheRestZero) {
    std::string content;
    for (int c = 0; c < 7; ++c) {  // a seventh line is ignored
        // Appended piece by piece: GCC 12 falsely reports -Wrestrict on a joined temporary.
        for (int r = 0; r < 9; ++r) {
            if (r > 0) content += ",";
            content += std::to_string(c * 10 + r - 30);
        }
        content += "\r\n";
    }
    ReadCrtFile(write("crt.dat", content), st.CrtTable);
    const auto& crt = st.CrtTable;
    EXPECT_EQ(std::tuple(crt[0][0], crt[5][8], crt[6][0], crt[2][9]), std::tuple(-30, 28, 0, 0));
    // A short file leaves the missing columns empty, whatever they held.
    ReadCrtFile(write("crt.dat", "1,2,3,4,5,6,7,8,9\n 10 , 11,12\n"), st.CrtTable);
    EXPECT_EQ(std::tuple(crt[1][1], crt[1][3], crt[3][3]), std::tuple(11, 0, 0));
}

TEST_F(DataFiles, StarPositionsRoundHalfToEven) {
    ReadBackgroundFile(write("b.dat", "10.5,11.5,7\n3 4  6\r\n 8 , 9\t,2 \n"), st);
    // A number ends at a blank as at a comma, so no later star shifts; blanks before a comma or
    // the line end are not an empty field; stars beyond a short file stay at the corner, black.
    std::string stars;
    for (int i : {0, 1, 2, 3, 299}) {
        const auto& s = st.BackgroundStars[static_cast<std::size_t>(i)];
        stars +=
            std::to_string(s.x) + "," + std::to_string(s.y) + "," + std::to_string(s.colour) + " ";
    }
    EXPECT_EQ(stars, "10,12,7 3,4,6 8,9,2 0,0,0 0,0,0 ");
}

TEST_F(DataFiles, GarbageNeverCrashesTheReadersAndAMissingFileIsNamedWhereItWasLookedFor) {
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 7919) % 256);
    auto p = write("junk.dat", junk);
    EXPECT_NO_THROW(ReadPlanetsFile(p, st); ReadCrtFile(p, st.CrtTable); ReadBackgroundFile(p, st));
    EXPECT_LE(st.PlanetNamesLast, 50);
    EXPECT_NO_THROW(ReadPlanetsFile(write("q.dat", "\"unterminated\n01 X\n"), st));

    const auto missing = folder.path() / "nothere.dat";
    const std::string said = testing::StorageErrorText([&] { ReadCrtFile(missing, st.CrtTable); },
                                                       errors::kFileNotFound);
    EXPECT_NE(said.find(missing.string()), std::string::npos) << said;
}

TEST_F(DataFiles, ShippedFilesHaveTheirFullSize) {
    const std::filesystem::path dir(ZENTHAR_SOURCE_DIR "/assets");
    ReadPlanetsFile(dir / "planets.dat", st);
    ASSERT_EQ(st.PlanetNamesLast, 50);
    std::set<std::string> names;
    for (int i = 0; i <= 50; ++i) {
        const PlanetRecord& p = st.PlanetList[static_cast<std::size_t>(i)];
        EXPECT_EQ(p.PlanetId.padded(), FormatTwoDigits(i + 1));
        EXPECT_TRUE(names.insert(p.Name.trimmed()).second && !p.Name.blank()) << i;
    }
    ReadBackgroundFile(dir / "backgrnd.dat", st);
    for (const auto& s : st.BackgroundStars)
        EXPECT_TRUE(s.colour >= 1 && s.colour <= 7 && s.x < 1920 && s.y < 1080);
    ReadCrtFile(dir / "crt.dat", st.CrtTable);
    // Better dice never hurt the attacker.
    for (int r = 0; r < 9; ++r)
        for (int c = 1; c < 6; ++c) EXPECT_GE(st.CrtTable[c][r], st.CrtTable[c - 1][r]);
}

}  // namespace
}  // namespace zenthar
