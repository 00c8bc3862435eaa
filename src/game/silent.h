// Silent stand-ins for the user interface: the simulator, benchmarks and tests that do not care
// what is shown run the engine at full speed with these.
#pragma once

#include "game/platform.h"

namespace zenthar {

// Answers every question with its default button.
class SilentDialogs : public UserDialogs {
  public:
    Answer ask(const MessageRequest& r) override {
        return r.buttons == Buttons::Ok ? Answer::Ok : r.defaultButton;
    }
};

class SilentDisplay : public TurnDisplay {
  public:
    void showWindow() override {}
    void hideWindow() override {}
    void setPlanet(const std::string&) override {}
    void setAttacker(const std::string&) override {}
    void setDefender(const std::string&) override {}
    void setCounts(const std::string&, const std::string&) override {}
    void landingAnimation() override {}
    void battleRound(int, int, int) override {}
    void battleFinished() override {}
    void beginRebelPhase() override {}
    void rebelRound(int, int) override {}
    void endRebelPhase() override {}
    void showMessage(const std::string&) override {}
    void playSound(Sound) override {}
};

class SilentView : public GameView {
  public:
    void DrawGalaxyMap() override {}
    void TurnStatusShown() override {}
    void ShowEndTurnSummary() override {}
    void CloseEndTurnSummary() override {}
};

}  // namespace zenthar
