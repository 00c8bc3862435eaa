// Scripted and recording stand-ins for the core's interfaces, so a test can script the dice and
// the user's answers and check what the engine showed, in order.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "game/platform.h"

namespace zenthar::testing {

// Returns the given values in order; fails the test when it runs dry.
class ScriptedRandom : public RandomSource {
  public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values) : values_(values) {}
    void push(double v) { values_.push_back(v); }
    // Once the script is used up, keep returning this value instead of failing.
    void setFallback(double v) {
        fallback_ = v;
        hasFallback_ = true;
    }
    double next() override;
    void reseed() override { ++reseeds; }
    std::size_t remaining() const { return values_.size(); }
    int draws = 0;
    int reseeds = 0;

  private:
    std::deque<double> values_;
    double fallback_ = 0.0;
    bool hasFallback_ = false;
};

// Records every message box; answers from a script (default button when the script is empty).
class ScriptedDialogs : public UserDialogs {
  public:
    Answer ask(const MessageRequest& r) override;
    void answer(Answer a) { answers_.push_back(a); }
    std::vector<MessageRequest> asked;
    std::vector<std::string> texts() const;

  private:
    std::deque<Answer> answers_;
};

// Writes one line per call ("showWindow", "setAttacker Empire", "battleRound 0 7 3", ...).
class RecordingDisplay : public TurnDisplay {
  public:
    void showWindow() override;
    void hideWindow() override { log.push_back("hideWindow"); }
    void setPlanet(const std::string& n) override { log.push_back("setPlanet " + n); }
    void setAttacker(const std::string& n) override { log.push_back("setAttacker " + n); }
    void setDefender(const std::string& n) override { log.push_back("setDefender " + n); }
    void setCounts(const std::string& a, const std::string& d) override {
        log.push_back("setCounts " + a + " " + d);
    }
    void landingAnimation() override { log.push_back("landingAnimation"); }
    void battleRound(int r, int a, int d) override;
    void battleFinished() override { log.push_back("battleFinished"); }
    void beginRebelPhase() override { log.push_back("beginRebelPhase"); }
    void rebelRound(int r, int d) override;
    void endRebelPhase() override { log.push_back("endRebelPhase"); }
    void showMessage(const std::string& t) override;
    void playSound(Sound s) override;
    // Skip flags the "user" presses when a given log line is reached (e.g. press Skip Battle
    // after the first round).
    int pressSkipBattleAfterRounds = -1;
    // The player closes the battle window by its frame as soon as it rises this many times.
    int closeAtShowWindow = -1;
    std::vector<std::string> log;
    std::vector<std::string> messages;
    std::vector<Sound> sounds;
    bool contains(const std::string& line) const;
    int count(const std::string& prefix) const;
};

class RecordingView : public GameView {
  public:
    void DrawGalaxyMap() override { ++mapDraws; }
    void TurnStatusShown() override { ++statusShown; }
    void ShowEndTurnSummary() override {
        ++summaries;
        if (onSummary) onSummary();
    }
    void CloseEndTurnSummary() override { --summaries; }
    int mapDraws = 0;
    int statusShown = 0;
    int summaries = 0;                // open summaries
    std::function<void()> onSummary;  // sees the game as the summary would read it
};

}  // namespace zenthar::testing
