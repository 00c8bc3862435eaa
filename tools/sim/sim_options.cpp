// Parsing zenthar-sim's options: "--name value" or "--name=value", whole numbers in their
// ranges, and the word lists of the skill levels and the scripted players.
#include "sim_options.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string_view>

#include "game/skill.h"

namespace zenthar::sim {
namespace {

constexpr long long kMaxGames = 1000000;
// A year is a 16-bit number that starts at 4100: no game can run longer than this.
constexpr long long kMaxYears = 20000;

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// A whole number made of digits only; nothing else is a count.
std::optional<unsigned long long> Digits(const std::string& text) {
    if (text.empty() || text.size() > 20) return std::nullopt;
    unsigned long long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const unsigned long long d = static_cast<unsigned long long>(c - '0');
        if (v > (std::numeric_limits<unsigned long long>::max() - d) / 10) return std::nullopt;
        v = v * 10 + d;
    }
    return v;
}

std::optional<std::string> WholeNumber(const std::string& option, const std::string& text,
                                       long long low, long long high, int& out) {
    const auto v = Digits(text);
    if (!v) return option + " needs a whole number, not \"" + text + "\"";
    if (*v < static_cast<unsigned long long>(low) || *v > static_cast<unsigned long long>(high))
        return option + " must be between " + std::to_string(low) + " and " + std::to_string(high) +
               ", not " + text;
    out = static_cast<int>(*v);
    return std::nullopt;
}

std::optional<std::string> Skill(const std::string& text, int& out) {
    const std::string word = Lower(text);
    std::vector<std::string_view> names;
    for (std::size_t k = 0; k < kSkillRules.size(); ++k) {
        if (word == std::to_string(k)) {
            out = static_cast<int>(k);
            return std::nullopt;
        }
        names.push_back(kSkillRules[k].word);
    }
    names.push_back("all");
    if (const std::optional<int> skill = SkillNamed(word)) {
        out = *skill;
        return std::nullopt;
    }
    return "--skill must be " + zenthar::sim::ListOfWords(names, "or") + ", not \"" + text + "\"";
}

std::optional<std::string> Bot(const std::string& text, BotKind& out) {
    const std::optional<BotKind> bot = zenthar::sim::BotNamed(Lower(text));
    if (!bot) {
        const std::vector<std::string_view> names(zenthar::sim::kBotNames.begin(),
                                                  zenthar::sim::kBotNames.end());
        return "--bot must be " + zenthar::sim::ListOfWords(names, "or") + ", not \"" + text + "\"";
    }
    out = *bot;
    return std::nullopt;
}

std::optional<std::string> Seats(const std::string& text, std::vector<SeatChoice>& out) {
    out.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string word = Lower(text.substr(start, comma - start));
        const auto choice = SeatChoiceNamed(word);
        if (!choice)
            return "--seats takes one to four of " + zenthar::sim::SeatChoiceWords() +
                   ", separated by commas, not \"" + text + "\"";
        out.push_back(*choice);
        if (out.size() > 4) return "--seats takes at most four seats, not \"" + text + "\"";
        if (comma == std::string::npos) return std::nullopt;
        start = comma + 1;
    }
}

std::optional<std::string> FilePath(const std::string& option, const std::string& text,
                                    std::filesystem::path& out) {
    if (text.empty()) return option + " needs a file or folder name";
    out = text;
    return std::nullopt;
}

}  // namespace

std::string UsageText() {
    return "Usage: zenthar-sim [options]\n"
           "Plays whole games of Zenthar without a window; scripted players stand in for the\n"
           "humans. Game n of a run uses the seed S + n.\n"
           "\n"
           "  --games N          games to play (default 1)\n"
           "  --years Y          years before a game is stopped undecided (default 300)\n"
           "  --length Y         the game's own length: after Y years the highest score\n"
           "                     wins (default: until one side holds the galaxy)\n"
           "  --players P        players, 1 to 4 (default 1)\n"
           "  --planets K        planets, 5 to 50 (default 26)\n"
           "  --skill LEVEL      beginner, intermediate or advanced (default beginner), or all:\n"
           "                     the games once at each level, then a table of who won\n"
           "  --bot KIND         passive (only ends turns) or greedy (default greedy)\n"
           "  --seats K[,K...]   one to four players, each passive, greedy, raider or one of the\n"
           "                     game's computer levels easy, normal and hard; in place of\n"
           "                     --players and --bot. --json then also gives the seats and\n"
           "                     winner_index: the winner's player index from 0, 4 for the\n"
           "                     Empire, -1 for none\n"
           "  --seed S           seed of the first game (default 1)\n"
           "  --load FILE        start from a saved game instead of a new galaxy\n"
           "  --save-initial FILE  save the game once it is set up\n"
           "  --save-final FILE    save the game when it stops\n"
           "  --keep-reports DIR   keep the turn report of every year end\n"
           "  --program-dir DIR  data files and game template (default: beside the program,\n"
           "                     or the installed game's own files)\n"
           "  --json             one JSON object per game instead of the table\n"
           "  --soak N           the long soak: N games over every skill, 1 to 4 players,\n"
           "                     5, 26 and 50 planets and both bots, the rules checked after\n"
           "                     every year end and each game saved and opened once at a\n"
           "                     random year; takes only --seed, --years and --program-dir\n"
           "  --no-timing        leave the speed off the summary line\n"
           "  --help             this text\n"
           "With several games, saved files and report folders get \"-<game>\" in their name.\n"
           "Exit status: 0 done, 1 a file could not be used, 2 bad options, 3 a saved game the\n"
           "game refuses, 4 the soak found a broken rule or a game that did not come back.\n";
}

namespace {

// The options without a value.
constexpr std::array<std::string_view, 4> kFlags{"--json", "--no-timing", "--help", "-h"};

using Setter = std::function<std::optional<std::string>(const std::string&)>;

// The options that take a value, each with what it sets in `cl`.
std::map<std::string, Setter> ValuedOptions(CommandLine& cl, bool& setUpGiven) {
    SimulationOptions& g = cl.game;
    return {
        {"--games",
         [&](const std::string& v) { return WholeNumber("--games", v, 1, kMaxGames, cl.games); }},
        {"--years",
         [&](const std::string& v) { return WholeNumber("--years", v, 1, kMaxYears, g.years); }},
        {"--length",
         [&](const std::string& v) {
             setUpGiven = true;
             return WholeNumber("--length", v, 1, kLongestGame, g.length);
         }},
        {"--players",
         [&](const std::string& v) {
             setUpGiven = true;
             return WholeNumber("--players", v, 1, 4, g.players);
         }},
        {"--planets",
         [&](const std::string& v) {
             setUpGiven = true;
             return WholeNumber("--planets", v, 5, 50, g.planets);
         }},
        {"--skill",
         [&](const std::string& v) {
             setUpGiven = true;
             cl.everySkill = Lower(v) == "all";
             return cl.everySkill ? std::nullopt : Skill(v, g.skill);
         }},
        {"--soak",
         [&](const std::string& v) { return WholeNumber("--soak", v, 1, kMaxGames, cl.soak); }},
        {"--bot", [&](const std::string& v) { return Bot(v, g.bot); }},
        {"--seats",
         [&](const std::string& v) {
             setUpGiven = true;
             return Seats(v, g.seats);
         }},
        {"--seed",
         [&](const std::string& v) -> std::optional<std::string> {
             const auto s = Digits(v);
             if (!s)
                 return "--seed needs a whole number from 0 to 18446744073709551615, not \"" + v +
                        "\"";
             g.seed = *s;
             return std::nullopt;
         }},
        {"--load", [&](const std::string& v) { return FilePath("--load", v, g.loadFile); }},
        {"--save-initial",
         [&](const std::string& v) { return FilePath("--save-initial", v, g.saveInitial); }},
        {"--save-final",
         [&](const std::string& v) { return FilePath("--save-final", v, g.saveFinal); }},
        {"--keep-reports",
         [&](const std::string& v) { return FilePath("--keep-reports", v, g.keepReportsDir); }},
        {"--program-dir",
         [&](const std::string& v) { return FilePath("--program-dir", v, g.programDir); }},
    };
}

}  // namespace

std::vector<std::string> OptionNames() {
    CommandLine cl;
    bool setUpGiven = false;
    std::vector<std::string> names(kFlags.begin(), kFlags.end());
    for (const auto& [name, set] : ValuedOptions(cl, setUpGiven)) names.push_back(name);
    return names;
}

std::variant<CommandLine, std::string> ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    bool setUpGiven = false;
    const std::map<std::string, Setter> valued = ValuedOptions(cl, setUpGiven);
    const SimulationOptions& g = cl.game;

    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        given.insert(name);
        if (std::find(kFlags.begin(), kFlags.end(), name) != kFlags.end()) {
            if (value) return name + " takes no value";
            if (name == "--json")
                cl.json = true;
            else if (name == "--no-timing")
                cl.timing = false;
            else
                cl.help = true;
            continue;
        }
        const auto it = valued.find(name);
        if (it == valued.end()) return "unknown option \"" + args[i] + "\"";
        if (!value) {
            if (i + 1 >= args.size()) return name + " needs a value";
            value = args[++i];
        }
        if (auto refusal = it->second(*value)) return *refusal;
    }
    if (cl.soak > 0)
        for (const std::string& name : given)
            if (name != "--soak" && name != "--seed" && name != "--years" &&
                name != "--program-dir" && name != "--no-timing" && name != "--help" &&
                name != "-h")
                return "--soak plays every set-up with both scripted players itself; it takes "
                       "only --seed, --years, --program-dir and --no-timing, not " +
                       name;
    if (setUpGiven && !g.loadFile.empty())
        return "--players, --planets, --skill and --seats set up a new galaxy; a game from "
               "--load brings its own";
    if (!g.seats.empty() && (given.count("--players") || given.count("--bot")))
        return "--seats sets the players and who plays each; it takes the place of --players "
               "and --bot";
    return cl;
}

}  // namespace zenthar::sim
