// The Empire's skill, chosen at New Game, and everything each level changes: the galaxy it is
// dealt, how often and how hard rebels rise, and how the Empire plays. One row per level.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace zenthar {

// The number stored in AppCfg.EmpireSkill is the level's position in this list.
enum class Skill : int { Beginner = 0, Intermidiate = 1, Advanced = 2 };

// What the Empire counts on meeting at the planet it attacks.
enum class DefenceEstimate {
    LastSeen,           // the ships and production its own scouting recorded
    Garrison,           // the planet's ships and production
    GarrisonAndFleets,  // those and every player's ships heading there
};

struct SkillRules {
    std::string_view word;     // "beginner": the simulator's and the ladder's name
    std::string_view caption;  // "Beginner": New Game's list, as the game has always spelt it
    // The galaxy: the Empire's ship pool is planets x poolBase + planets / poolDivisor x E,
    // E = Int(r x extraScale + extraOffset); a capital produces homeProduction; other planets
    // up to productionShare of their limit.
    int poolBase;
    int poolDivisor;
    double extraScale;
    double extraOffset;
    int homeProduction;
    double productionShare;
    // Rebels: the chance in a hundred that they rise on a player's planet, and how many.
    int risingChance;
    double rebelStrength;
    // The Empire.
    bool threatTest;          // keeps ships on a planet that players' fleets are heading for
    bool sendsScouts;         // looks again at planets it has not seen for years
    bool keepsScoutsApart;    // never counts, nor recalls, its one-ship scouts as a fleet
    int reviewCaution;        // a fleet in flight turns back below this many times the defence
    int attackDice;           // attack multiplier Int(attackDice x rnd + 1), at least 2
    DefenceEstimate defence;  // what it expects at its target
};

// clang-format off
inline constexpr std::array<SkillRules, 3> kSkillRules{{
    // names                         pool            capital share   rebels       threat scouts apart caution dice defence
    {"beginner", "Beginner",         10, 5, 6.0, 1.0,  10,     0.33,   15, 0.75,    false, true,  true,  1,     2,   DefenceEstimate::LastSeen},
    {"intermediate", "Intermidiate", 20, 5, 15.0, 3.0, 12,     0.5,    45, 1.0,     false, false, false, 2,     3,   DefenceEstimate::Garrison},
    {"advanced", "Advanced",         40, 2, 10.0, 3.0, 15,     0.66,   60, 1.5,     true,  false, false, 2,     3,   DefenceEstimate::GarrisonAndFleets},
}};
// clang-format on

// The rules of a stored skill number; none for a number no level has (only a tampered game
// holds one: then no rebel rises and the Empire only buys production).
inline const SkillRules* RulesOfSkill(int skill) {
    return skill >= 0 && skill < static_cast<int>(kSkillRules.size())
               ? &kSkillRules[static_cast<std::size_t>(skill)]
               : nullptr;
}
inline const SkillRules& RulesOf(Skill skill) {
    return kSkillRules[static_cast<std::size_t>(skill)];
}
// The rules of a stored skill number, or of the nearest level for one outside the list.
inline const SkillRules& RulesNearSkill(int skill) {
    const int last = static_cast<int>(kSkillRules.size()) - 1;
    return kSkillRules[static_cast<std::size_t>(skill < 0 ? 0 : (skill > last ? last : skill))];
}

// The skill number of a name ("advanced", or the caption in lower case), or none.
inline std::optional<int> SkillNamed(std::string_view word) {
    for (std::size_t k = 0; k < kSkillRules.size(); ++k) {
        const std::string_view caption = kSkillRules[k].caption;
        bool asCaption = caption.size() == word.size();
        for (std::size_t c = 0; asCaption && c < word.size(); ++c)
            asCaption = word[c] == (caption[c] | 0x20);  // the captions are letters only
        if (kSkillRules[k].word == word || asCaption) return static_cast<int>(k);
    }
    return std::nullopt;
}

}  // namespace zenthar
