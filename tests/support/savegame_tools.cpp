// Sample games, state pictures and in-memory edits of saved games for the save/load tests.
#include "support/savegame_tools.h"

#include <sqlite3.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

#include "game/sqlite.h"
#include "game/storage_error.h"
#include "setup/newgame.h"
#include "turn/taskforces.h"

namespace zenthar::testing {
namespace {

int Pick(std::mt19937& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

// A writable database in memory holding a copy of the bytes; throws StorageError when they are
// no database.
sqlite::Database OpenCopy(const std::vector<unsigned char>& bytes) {
    sqlite::Database db(":memory:", sqlite::Database::Mode::Create);
    auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(bytes.size()));
    std::memcpy(copy, bytes.data(), bytes.size());
    auto n = static_cast<sqlite3_int64>(bytes.size());
    const int rc =
        sqlite3_deserialize(db.get(), "main", copy, n, n,
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    if (rc != SQLITE_OK) sqlite::Throw(db.get(), rc, "read the copy");
    return db;
}

std::vector<unsigned char> Serialize(const sqlite::Database& db) {
    sqlite3_int64 size = 0;
    unsigned char* data = sqlite3_serialize(db.get(), "main", &size, 0);
    if (!data) sqlite::Throw(db.get(), SQLITE_NOMEM, "serialize");
    std::vector<unsigned char> out(data, data + size);
    sqlite3_free(data);
    return out;
}

}  // namespace

void CountOwnedPlanets(GameState& st) {
    st.Hatest.fill(0);
    for (int i = 0; i < st.PlanetsNum; ++i)
        for (int k = 0; k < 4; ++k)
            if (st.planet(i).digit(k) >= 2) {
                st.Hatest[static_cast<std::size_t>(k)]++;
                break;
            }
}

void MakeSampleGame(Game& game, std::uint32_t seed, const SampleShape& shape) {
    static const char* const kIcons[] = {"good_pl.ico", "med_pl.ico", "bad_pl.ico"};
    static const char* const kNames[] = {"Ann", "Bo Zoë", "Carmen de la Vega y Ortiz-Montalbán",
                                         "Dee"};
    std::mt19937 rng(seed);
    GameState& st = game.st;
    ResetWorkingDatabase(game);
    ClearGame(st);
    st.PlayesNum = shape.players;
    st.PlanetsNum = shape.planets;
    st.GameType = Pick(rng, 0, 1);
    st.EmpireSkill = Pick(rng, 0, 2);
    st.CurrentYear = static_cast<Int16>(4100 + Pick(rng, 0, 60));
    for (int k = 0; k < st.PlayesNum; ++k) {
        auto s = static_cast<std::size_t>(k);
        st.PlName[s] = kNames[s];
        st.PlSymbol[s] = kPlayerSymbols[s];
        st.PlHome[s] = static_cast<Int16>(k * 2);
        // Every kind of seat comes round, without a draw that would change the rest.
        st.Seats[s] = static_cast<SeatKind>((seed + s) % 4);
    }
    // Until conquest or a length the sample's years have not reached, again without a draw.
    st.GameLength = static_cast<Int16>(seed % 3 == 0 ? 0 : 100 + seed % 200);
    for (int i = 0; i < st.PlanetsNum; ++i) {
        PlanetRecord& p = st.planet(i);
        p.XPos = static_cast<Int16>(Pick(rng, 1, 45));
        p.YPos = static_cast<Int16>(Pick(rng, 1, 45));
        p.MaxProd = static_cast<Int16>(Pick(rng, 1, 20));
        p.Production = static_cast<Int16>(Pick(rng, 1, p.MaxProd));
        p.WillProd = static_cast<Int16>(Pick(rng, 0, 1) ? -1 : 0);
        p.Hostility = static_cast<Int16>(Pick(rng, 1, 10));
        p.Ships = static_cast<Int16>(Pick(rng, 0, 900));
        p.Ico = kIcons[Pick(rng, 0, 2)];
        p.Scouted = "0000";
        for (int k = 0; k < st.PlayesNum; ++k)
            p.setDigit(k, static_cast<char>('0' + Pick(rng, 0, 2)));
        for (std::size_t k = 0; k < 5; ++k) {
            p.KnownShip[k] = static_cast<Int16>(Pick(rng, 0, 3000));
            p.KnownProd[k] = static_cast<Int16>(Pick(rng, 0, 20));
            p.KnownHost[k] = static_cast<Int16>(Pick(rng, 0, 10));
            p.YearScouted[k] = static_cast<Int16>(Pick(rng, 0, 1) ? 0 : 4100 + Pick(rng, 0, 60));
        }
        p.OnMap = 0;
    }
    for (int k = 0; k < st.PlayesNum; ++k) {
        PlanetRecord& home = st.planet(st.PlHome[static_cast<std::size_t>(k)]);
        home.Scouted = "0000";
        home.setDigit(k, '3');
        home.MaxProd = 20;
        home.Hostility = 0;
        home.Ico = "good_pl.ico";
    }
    CountOwnedPlanets(st);
    st.StartYear = static_cast<Int16>(st.CurrentYear - Pick(rng, 0, 5));
    st.StartPl = Pick(rng, 0, 3) ? st.planet(Pick(rng, 0, st.PlanetsNum - 1)).PlanetId : "";
    st.EndPl = Pick(rng, 0, 3) ? st.planet(Pick(rng, 0, st.PlanetsNum - 1)).PlanetId : "";
    st.EmpireOut = Pick(rng, 0, 1) == 1;
    st.SkipEndTurnScreen = Pick(rng, 0, 1) == 1;
    st.SoundsOff = Pick(rng, 0, 1) == 1;

    // Task forces of every side, the Empire's included, go through the Ships table as in play.
    for (int k = 0; k <= st.PlayesNum; ++k) {
        st.CurrentPlTurn = static_cast<Int16>(k < st.PlayesNum ? k : kEmpire);
        st.TaskForceLast = -1;
        for (int n = 0; n < shape.taskForcesPerSide; ++n) {
            int from = Pick(rng, 0, st.PlanetsNum - 1);
            int to = (from + Pick(rng, 1, st.PlanetsNum - 1)) % st.PlanetsNum;
            LaunchTaskForce(st, from, to, Pick(rng, 1, 60) + 0.5 * Pick(rng, 0, 1));
        }
        SaveTaskForces(game);
    }
    st.CurrentPlTurn = static_cast<Int16>(Pick(rng, 0, st.PlayesNum - 1));
    LoadTaskForces(game);
    BuildProdOrder(st);
    st.SelectedPlanet = st.PlHome[static_cast<std::size_t>(st.CurrentPlTurn)];
    st.GameActive = true;
}

std::string DescribeDatabase(const fs::path& file) {
    std::ostringstream out;
    try {
        sqlite::Database db(file, sqlite::Database::Mode::ReadOnly);
        for (const std::string table : {"AppCfg", "Planets", "Ships"}) {
            out << "== " << table << "\n";
            try {
                sqlite::Statement q(db, "SELECT * FROM " + table +
                                            (table == "Ships" ? " ORDER BY PlNum, TFNum, rowid"
                                                              : " ORDER BY rowid"));
                while (q.step()) {
                    for (int c = 0; c < q.columnCount(); ++c)
                        out << (c ? "|" : "") << q.columnType(c) << ":" << q.columnText(c);
                    out << "\n";
                }
            } catch (const StorageError&) {
                out << "missing\n";
            }
        }
    } catch (const StorageError&) {
        return "cannot open " + file.string();
    }
    return out.str();
}

std::string QueryText(const fs::path& file, const std::string& sql) {
    sqlite::Database db(file, sqlite::Database::Mode::ReadOnly);
    sqlite::Statement q(db, sql);
    return q.step() ? q.columnText(0) : "no row";
}

std::vector<unsigned char> ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, const std::vector<unsigned char>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::vector<unsigned char> EditSavedGame(const std::vector<unsigned char>& bytes,
                                         const std::string& sql) {
    sqlite::Database db = OpenCopy(bytes);
    try {
        db.exec(sql);
    } catch (const StorageError& e) {
        throw std::runtime_error(sql + ": " + e.what());
    }
    return Serialize(db);
}

int TryEditSavedGame(std::vector<unsigned char>& bytes, const std::vector<std::string>& statements,
                     std::vector<std::string>* ran) {
    int count = 0;
    try {
        sqlite::Database db = OpenCopy(bytes);
        for (const std::string& sql : statements) {
            if (sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
                continue;
            ++count;
            if (ran) ran->push_back(sql);
        }
        bytes = Serialize(db);
    } catch (const StorageError&) {
    }
    return count;
}

}  // namespace zenthar::testing
