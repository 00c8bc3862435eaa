// libFuzzer harness of saved-game loading. The first byte of an input picks the mode: raw (the
// rest is the file, starting from seeds that are valid saved games, for byte-wise mutation) or
// edit (the rest is a script of field-wise edits of one of three valid saved games). Each file
// goes to the checker and, through a file, to LoadGame on a running game. It stops on a crash, a
// hang, a refusal under another number, a refused file that changed the running game, or an
// accepted one that does not load or does not come back the same after another save and load
// (one in sixteen is tried that way).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "game/random.h"
#include "game/savecheck.h"
#include "game/saveload.h"
#include "game/schema.h"
#include "game/silent.h"
#include "support/savegame_fuzz.h"
#include "support/savegame_tools.h"

namespace {

using namespace zenthar;
using namespace zenthar::testing;

[[noreturn]] void Die(const std::string& why) {
    std::fprintf(stderr, "saveload_fuzzer: %s\n", why.c_str());
    std::abort();
}

class Harness {
  public:
    Harness() {
        folder_ =
            std::filesystem::temp_directory_path() / ("zenthar-fuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_ / "GAMES");
        for (const char* name : {"crt.dat", "planets.dat", "backgrnd.dat"})
            std::filesystem::copy_file(std::filesystem::path(ZENTHAR_ASSETS_DIR) / name,
                                       folder_ / name);
        CreateTemplateDatabase(folder_ / "zenthar.mdb");
        game_ = std::make_unique<Game>(folder_, dialogs_, display_, view_, random_);
        StartUp(*game_);
        std::uint32_t seed = 1;
        for (SampleShape shape :
             {SampleShape{1, 5, 1}, SampleShape{3, 12, 4}, SampleShape{4, 26, 6}}) {
            MakeSampleGame(*game_, seed++, shape);
            SaveGame(*game_, file("base.mdb"));
            bases.push_back(ReadBytes(file("base.mdb")));
        }
        MakeSampleGame(*game_, 77, {2, 9, 3});
    }
    ~Harness() {
        game_->FileDta1.release();
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    std::filesystem::path file(const char* name) const { return folder_ / name; }
    Game& game() { return *game_; }
    std::vector<std::vector<unsigned char>> bases;

  private:
    std::filesystem::path folder_;
    SilentDialogs dialogs_;
    SilentDisplay display_;
    SilentView view_;
    SystemRandom random_{1};
    std::unique_ptr<Game> game_;
};

Harness& TheHarness() {
    static Harness harness;
    return harness;
}

void WriteSeeds(const std::filesystem::path& corpus) {
    Harness& h = TheHarness();
    for (std::size_t i = 0; i < h.bases.size(); ++i) {
        std::vector<unsigned char> raw{0};
        raw.insert(raw.end(), h.bases[i].begin(), h.bases[i].end());
        WriteBytes(corpus / ("raw-" + std::to_string(i)), raw);
    }
    std::mt19937 rng(1);
    for (int i = 0; i < 64; ++i) {
        std::vector<unsigned char> script(2 + rng() % 30);
        for (auto& b : script) b = static_cast<unsigned char>(rng());
        script[0] = static_cast<unsigned char>(1 + i % 3);
        WriteBytes(corpus / ("edit-" + std::to_string(i)), script);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (const char* corpus = std::getenv("ZENTHAR_FUZZ_SEEDS")) {
        WriteSeeds(corpus);
        std::exit(0);
    }
    TheHarness();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    Harness& h = TheHarness();
    std::vector<unsigned char> bytes;
    const std::uint8_t mode = data[0];
    if (mode % 4 == 0)
        bytes.assign(data + 1, data + size);
    else
        bytes = MutateSavedGame(h.bases[mode % 3], std::span(data + 1, size - 1));

    bool accepted = true;
    try {
        ReadSavedGame(bytes);
    } catch (const StorageError& e) {
        accepted = false;
        if (e.code() != errors::kTypeMismatch)
            Die(std::string("unexpected error number: ") + e.what());
    }

    Game& game = h.game();
    WriteBytes(h.file("fuzz.mdb"), bytes);
    const std::string state = accepted ? std::string() : DescribeWholeState(game.st);
    const std::vector<unsigned char> working =
        accepted ? std::vector<unsigned char>() : ReadBytes(game.WorkingFile());
    try {
        LoadGame(game, h.file("fuzz.mdb"));
        if (!accepted) Die("LoadGame took a file the checker refused");
    } catch (const StorageError& e) {
        if (accepted) Die(std::string("LoadGame refused an accepted file: ") + e.what());
        if (DescribeWholeState(game.st) != state || ReadBytes(game.WorkingFile()) != working)
            Die("a refused file changed the running game");
        return 0;
    }
    if (game.FileDta1.recordSource() != "Ships" || !game.FileDta1.isOpen())
        Die("the connection was left off the Ships table");
    // A save syncs the disk twice: one accepted game in sixteen goes round again.
    static unsigned loads = 0;
    if (loads++ % 16 != 0) return 0;
    const std::string loaded = DescribeSavedGame(game.st);
    SaveGame(game, h.file("again.mdb"));
    LoadGame(game, h.file("again.mdb"));
    if (DescribeSavedGame(game.st) != loaded) Die("an accepted game changed on save and load");
    if (game.FileDta1.recordSource() != "Ships" || !game.FileDta1.isOpen())
        Die("the connection was left off the Ships table");
    return 0;
}
