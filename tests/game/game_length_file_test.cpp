// A game's length kept with the game: it comes back from a save, and a file saved before there
// was a choice opens as a game played until one side holds the galaxy.
#include <gtest/gtest.h>

#include "saveload_fixture.h"

namespace zenthar::testing {
namespace {

class GameLengthFile : public SaveLoadTest {};

TEST_F(GameLengthFile, TheLengthComesBackWithTheGame) {
    for (int length : {0, 1, 50, kLongestGame}) {
        SCOPED_TRACE(length);
        MakeSampleGame(game, 7, {2, 9, 2});
        game.st.GameLength = static_cast<Int16>(length);
        SaveGame(game, save("length.mdb"));
        const std::string saved = DescribeSavedGame(game.st);
        MakeSampleGame(game, 8, {3, 12, 1});  // another game, of another length
        game.st.GameLength = 123;
        LoadGame(game, save("length.mdb"));
        EXPECT_EQ(std::pair(int{game.st.GameLength}, DescribeSavedGame(game.st)),
                  std::pair(length, saved));
    }
}

TEST_F(GameLengthFile, AFileFromBeforeTheChoiceOpensAsAGameUntilConquest) {
    MakeSampleGame(game, 7, {2, 9, 2});
    game.st.GameLength = 50;
    SaveGame(game, save("new.mdb"));
    const std::vector<unsigned char> bytes = ReadBytes(save("new.mdb"));
    for (const char* sql :
         {"ALTER TABLE AppCfg DROP COLUMN GameLength", "UPDATE AppCfg SET GameLength = NULL"}) {
        SCOPED_TRACE(sql);
        WriteBytes(save("old.mdb"), EditSavedGame(bytes, sql));
        game.st.GameLength = 77;
        LoadGame(game, save("old.mdb"));
        EXPECT_EQ(game.st.GameLength, 0);
        expectSettled();
    }
}

}  // namespace
}  // namespace zenthar::testing
