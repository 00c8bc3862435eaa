// The story's lines from the chronicle and the year reports.
#include "reports/story.h"

#include <algorithm>
#include <array>
#include <optional>

#include "game/numbers.h"
#include "game/victory.h"
#include "reports/statistics.h"
#include "reports/turn_summary.h"

namespace zenthar {
namespace {

// One landing or rising of a year report, as its columns read.
struct ReportRow {
    std::string attacker, planet, defender, result;
    std::optional<long long> attackers, defenders, attackersLeft, defendersLeft;
};

std::optional<long long> Number(const std::string& cell) {
    if (cell.find_first_not_of(' ') == std::string::npos) return std::nullopt;
    return static_cast<long long>(LeadingNumber(cell));
}

std::vector<ReportRow> ReportRows(const HistoryYear& year) {
    std::string text;
    if (!year.report(text)) return {};
    std::vector<ReportRow> rows;
    for (const SummaryRow& r : ParseTurnSummary(text).rows)
        rows.push_back(
            {r[0], r[1], r[2], r[7], Number(r[3]), Number(r[4]), Number(r[5]), Number(r[6])});
    return rows;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool Conquest(const ReportRow& r) {
    return r.attacker != "Rebels" && EndsWith(r.result, "conquered the planet " + r.planet);
}

bool RebelsTookOver(const ReportRow& r) {
    return r.attacker == "Rebels" && r.result.rfind("The rebels took over", 0) == 0;
}

std::string Possessive(const std::string& name) {
    return name + "'s";
}

// The side a name in the report stands for, or -1.
int SideCalled(const GameState& st, const std::string& name) {
    for (int side = 0; side < st.PlayesNum && side < kMaxPlayers; ++side)
        if (SideName(st, side) == name) return side;
    return name == "Empire" ? kEmpire : -1;
}

std::string Called(const GameState& st, int side) {
    return side == kEmpire ? "the Empire" : SideName(st, side);
}

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

std::string In(int year) {
    return "In " + FormatPlain(year) + " ";
}

// The side with the most planets that year, or -1 when two share the most.
int Leader(const HistoryYear& year) {
    int leader = -1, most = -1;
    bool shared = false;
    for (const SideYear& s : year.sides) {
        if (s.planets > most) {
            leader = s.side;
            most = s.planets;
            shared = false;
        } else if (s.planets == most) {
            shared = true;
        }
    }
    return shared ? -1 : leader;
}

void FromReports(const GameState& st, std::vector<StoryLine>& story) {
    bool firstConquest = true;
    std::optional<StoryLine> biggest;
    long long biggestShips = 0;
    for (std::size_t i = 0; i < st.Chronicle.size(); ++i) {
        const HistoryYear& year = st.Chronicle[i];
        for (const ReportRow& r : ReportRows(year)) {
            const int by = SideCalled(st, r.attacker);
            const int from = SideCalled(st, r.defender);
            if (Conquest(r) && firstConquest && by >= 0) {
                firstConquest = false;
                story.push_back({year.year, In(year.year) + Called(st, by) +
                                                " made the war's first conquest: " + r.planet +
                                                ", taken from " + Called(st, from) + "."});
            }
            const bool capital =
                st.validPlayer(from) && st.validPlanet(st.PlHome[static_cast<std::size_t>(from)]) &&
                st.planet(st.PlHome[static_cast<std::size_t>(from)]).Name.trimmed() == r.planet;
            if (capital && Conquest(r) && by >= 0)
                story.push_back({year.year, In(year.year) + Possessive(SideName(st, from)) +
                                                " capital " + r.planet + " fell to " +
                                                Called(st, by) + "."});
            if (capital && RebelsTookOver(r))
                story.push_back({year.year, In(year.year) + "rebels handed " +
                                                Possessive(SideName(st, from)) + " capital " +
                                                r.planet + " back to the Empire."});
            if (by < 0 || !r.attackers || !r.defenders || !r.attackersLeft || !r.defendersLeft)
                continue;
            const long long ships = *r.attackers + *r.defenders;
            if (ships <= biggestShips) continue;
            biggestShips = ships;
            const bool won = *r.attackersLeft > *r.defendersLeft;
            biggest = StoryLine{
                year.year,
                "The biggest battle: " + FormatPlain(*r.attackers) +
                    (*r.attackers == 1 ? " ship of " : " ships of ") + Called(st, by) +
                    " against " + FormatPlain(*r.defenders) + " of " + Called(st, from) + " at " +
                    r.planet + " in " + FormatPlain(year.year) + "; " +
                    (won ? Called(st, by) + " took the planet." : Called(st, from) + " held it.")};
        }
    }
    if (biggest) story.push_back(*biggest);
}

void FromChronicle(const GameState& st, std::vector<StoryLine>& story) {
    const int players = std::min(st.PlayesNum, kMaxPlayers);
    std::array<bool, kSides> out{};
    // The side leading in planets, and the last time the lead changed hands.
    std::optional<int> leader;
    struct Change {
        int year, from, to;
    };
    std::optional<Change> lastChange;
    bool ended = false;
    for (std::size_t i = 0; i < st.Chronicle.size(); ++i) {
        const HistoryYear& year = st.Chronicle[i];
        std::array<bool, kSides> holds{}, inFlight{};
        for (const SideYear& s : year.sides) {
            if (s.side < 0 || s.side >= kSides) continue;
            holds[static_cast<std::size_t>(s.side)] = s.planets > 0;
            inFlight[static_cast<std::size_t>(s.side)] = s.shipsInFlight > 0;
        }
        for (const SideYear& s : year.sides) {
            const auto k = static_cast<std::size_t>(s.side);
            if (s.side < 0 || s.side >= kSides || out[k] || holds[k] || inFlight[k]) continue;
            out[k] = true;
            story.push_back(
                {year.year,
                 s.side == kEmpire
                     ? In(year.year) + "the Empire was driven out of the galaxy."
                     : In(year.year) + SideName(st, s.side) + " was knocked out of the war."});
        }
        const int now = Leader(year);
        if (now >= 0 && now != leader) {
            if (leader) lastChange = Change{year.year, *leader, now};
            leader = now;
        }
        const int winner = WinnerOf(players, holds, inFlight);
        if (winner >= 0 && !ended) {
            ended = true;
            const int years = year.year - kFirstYear + 1;
            const std::string span =
                FormatPlain(years) + (years == 1 ? " year" : " years") + " of war.";
            story.push_back(
                {year.year,
                 winner == kEmpire
                     ? In(year.year) + "the Empire had crushed every player, after " + span
                     : In(year.year) + SideName(st, winner) + " held the galaxy, after " + span});
        }
    }
    if (lastChange)
        story.push_back({lastChange->year, "The turning point: in " +
                                               FormatPlain(lastChange->year) + " " +
                                               Called(st, lastChange->to) + " passed " +
                                               Called(st, lastChange->from) +
                                               " in planets held, and kept the lead."});
}

}  // namespace

std::vector<StoryLine> StoryOfTheWar(const GameState& st) {
    std::vector<StoryLine> story;
    FromReports(st, story);
    FromChronicle(st, story);
    for (StoryLine& line : story) line.text = Capitalised(line.text);
    std::stable_sort(story.begin(), story.end(),
                     [](const StoryLine& a, const StoryLine& b) { return a.year < b.year; });
    return story;
}

}  // namespace zenthar
