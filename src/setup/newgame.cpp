// The new game: checks, settings, generation and the initial rows of the game database.
#include "setup/newgame.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "game/config_columns.h"
#include "game/database.h"
#include "game/levels.h"
#include "game/planet_columns.h"
#include "game/skill.h"
#include "setup/galaxy.h"

namespace zenthar {
namespace {

// The first planet among the galaxy's PlanetsNum whose name a home-planet list shows, or -1.
int HomeWithinGalaxy(const GameState& st, int planets, const std::string& text) {
    const FixedText<40> wanted(text);
    for (int i = 0; i < planets && i < kPlanetSlots && i <= st.PlanetNamesLast; ++i)
        if (st.planet(i).Name == wanted) return i;
    return -1;
}

// A name cut to the 40 characters a name field holds.
std::string CutName(const std::string& name) {
    return std::string(Utf8Prefix(name, 40));
}

void StoreSettings(GameState& st, const NewGameSettings& s) {
    ClearGame(st);
    st.PlayesNum = s.players;
    st.PlanetsNum = s.planets;
    st.GameType = s.gameType;
    st.EmpireSkill = s.skill;
    st.CurrentYear = kFirstYear;
    st.GameLength = static_cast<Int16>(s.gameLength);
    for (std::size_t k = 0; k < kMaxPlayers; ++k) {
        st.PlName[k] = static_cast<int>(k) < s.players ? CutName(s.names[k]) : std::string();
        st.PlSymbol[k] = s.symbols[k];
        st.Seats[k] = static_cast<int>(k) < s.players ? s.seats[k] : SeatKind::Human;
    }
}

void RemoveRows(Connection& db, const std::string& table) {
    db.setRecordSource(table);
    db.Refresh();
    Recordset& rs = db.rs();
    while (!rs.EOF_()) {
        rs.Delete();
        rs.MoveNext();
    }
}

// One row per player, in player order; written once the galaxy has given each a capital. The
// first row carries the start of the Empire's campaign as well.
void WriteConfigurationRows(Connection& db, const GameState& st) {
    db.setRecordSource("AppCfg");
    db.Refresh();
    Recordset& rs = db.rs();
    for (int k = 0; k < st.PlayesNum; ++k) {
        const auto row = static_cast<std::size_t>(k);
        rs.AddNew();
        ForEachConfigColumn(st, row,
                            [&](std::string_view name, const auto& field, ConfigColumn column) {
                                if (MadeInRow(column, row))
                                    rs.SetField(name, StoredConfigValue(field, column, true));
                            });
        rs.Update();
    }
}

void WritePlanetRow(Recordset& rs, const PlanetRecord& p) {
    rs.AddNew();
    ForEachPlanetColumn(p, [&](std::string_view name, const auto& field, ColumnUse) {
        rs.SetField(name, FieldValue(StoredValue(field)));
    });
    rs.Update();
}

std::string GameLengthRange() {
    return "The game length must be a whole number of years from 1 to " +
           std::to_string(kLongestGame) + ".";
}

}  // namespace

std::string NextSymbol(std::string_view symbol) {
    const std::string name = TrimRight(symbol);
    for (std::size_t k = 0; k < kPlayerSymbols.size(); ++k)
        if (name == kPlayerSymbols[k]) return kPlayerSymbols[(k + 1) % kPlayerSymbols.size()];
    return name;
}

int NumberOfPlanetsTyped(std::string_view typed) {
    const double v = LeadingNumber(typed);
    // The range is checked on the number as typed, so 50.5 is too many; far out of range
    // either way is all the check needs to know. In range, the count is rounded like any
    // number stored in a whole field.
    if (v < kMinPlanets) return v < -1 ? -1 : static_cast<int>(std::floor(v));
    if (v > kMaxPlanets) return v > 1000 ? 1000 : static_cast<int>(std::ceil(v));
    return static_cast<int>(Round(v));
}

std::optional<std::string> CheckNumberOfPlanets(int planets) {
    if (planets < kMinPlanets || planets > kMaxPlanets)
        return "The number of stars must be between 5 and 50";
    return std::nullopt;
}

int GameLengthTyped(std::string_view typed) {
    const std::string text = Trim(std::string(typed));
    const bool digits = !text.empty() && text.size() <= 4 &&
                        text.find_first_not_of("0123456789") == std::string::npos;
    const int years = digits ? std::stoi(text) : 0;
    return years >= 1 && years <= kLongestGame ? years : -1;
}

std::optional<std::string> CheckNewGame(const GameState& st, const NewGameSettings& s) {
    if (s.players < 1 || s.players > kMaxPlayers)
        return "The number of players must be between 1 and 4.";
    for (int k = 0; k < s.players; ++k)
        if (Trim(s.names[static_cast<std::size_t>(k)]).empty())
            return "Fill in Players' Names, please.";
    // Only the rows in play: a greyed-out row's home planet or symbol belongs to nobody.
    const auto inPlay = static_cast<std::size_t>(s.players);
    auto twice = [inPlay](auto same) {
        for (std::size_t i = 0; i < inPlay; ++i)
            for (std::size_t j = i + 1; j < inPlay; ++j)
                if (same(i, j)) return true;
        return false;
    };
    // Names as the game keeps and shows them: 40 characters, without the blanks around them.
    if (twice([&s](std::size_t i, std::size_t j) {
            return FixedText<40>(s.names[i]).trimmed() == FixedText<40>(s.names[j]).trimmed();
        }))
        return "Multiple players can't have the same Name.";
    if (twice([&s](std::size_t i, std::size_t j) {
            return FixedText<40>(s.homePlanets[i]) == FixedText<40>(s.homePlanets[j]);
        }))
        return "Multiple players can't have the same Home Planet.";
    if (twice([&s](std::size_t i, std::size_t j) {
            return FixedText<12>(s.symbols[i]) == FixedText<12>(s.symbols[j]);
        }))
        return "More players can't have the same Symbol.";
    // Enter in the planets field reaches OK without the field's own check.
    if (auto refusal = CheckNumberOfPlanets(s.planets)) return refusal;
    if (s.gameLength < 0 || s.gameLength > kLongestGame) return GameLengthRange();
    // A galaxy takes one name per planet; a short names file cannot make a larger one.
    if (s.planets > st.PlanetNamesLast + 1)
        return "There are names for only " + FormatPlain(std::max(0, st.PlanetNamesLast + 1)) +
               " planets: the number of stars must be at most that.";
    // A capital outside the galaxy would leave its player with no planet at all.
    for (int k = 0; k < s.players; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        if (HomeWithinGalaxy(st, s.planets, s.homePlanets[slot]) < 0)
            return "The Home Planet of " + Trim(s.names[slot]) + " must be one of the first " +
                   FormatPlain(s.planets) + " planets of the list, please.";
    }
    if (!RulesOfSkill(s.skill)) return "Choose the Empire Skill Level, please.";
    if (s.gameType != 0 && s.gameType != 1) return "Choose the Game Type, please.";
    for (SeatKind seat : s.seats)
        if (seat < SeatKind::Human || seat > kLastSeatKind)
            return "Choose who plays each player, please.";
    return std::nullopt;
}

void CreateNewGame(Game& game, const NewGameSettings& settings) {
    if (auto refusal = CheckNewGame(game.st, settings)) throw std::invalid_argument(*refusal);

    // The new game is built aside and takes over only once its rows are stored, so a failing
    // disk leaves the running game whole, in memory and in the (rolled back) database.
    auto next = std::make_unique<GameState>(game.st);
    StoreSettings(*next, settings);

    Connection& db = game.FileDta1;
    db.setDatabaseName(game.WorkingFile());
    try {
        Connection::Transaction tx(db);
        RemoveRows(db, "Ships");
        RemoveRows(db, "Planets");
        RemoveRows(db, "AppCfg");
        db.setRecordSource("Planets");
        db.Refresh();
        GenerateGalaxy(*next, game.random, settings.homePlanets,
                       [&](int i) { WritePlanetRow(db.rs(), next->planet(i)); });
        WriteConfigurationRows(db, *next);
        tx.commit();
    } catch (...) {
        try {
            db.rebind(game.WorkingFile(), "Ships");
        } catch (...) {
        }
        throw;
    }
    db.rebind(game.WorkingFile(), "Ships");
    game.st = std::move(*next);
    // The report of the game left behind is not this game's.
    game.Report.clear();
}

}  // namespace zenthar
