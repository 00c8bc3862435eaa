// Everything the game core needs from the outside world, as small interfaces: questions and
// messages to the user, the battle/turn display, sounds, the main window's view and the random
// source (whose state is kept with the game). The Qt front end implements them; tests
// script them; the simulator keeps them silent.
#pragma once

#include <string>
#include <string_view>

namespace zenthar {

// ---- message boxes -----------------------------------------------------------------------------

enum class Buttons { Ok, YesNo };
enum class Icon { None, Critical };
enum class Answer { Ok = 1, Yes = 6, No = 7 };

struct MessageRequest {
    std::string text;
    std::string title = "Zenthar";
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;
};

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    virtual Answer ask(const MessageRequest& request) = 0;

    // A validation message: OK only, no icon, title "Zenthar".
    void inform(const std::string& text) { ask(MessageRequest{text}); }
    // A question that could throw a game away: Yes/No, critical icon, No as default.
    bool confirm(const std::string& text, const std::string& title) {
        return ask(MessageRequest{text, title, Buttons::YesNo, Icon::Critical, Answer::No}) ==
               Answer::Yes;
    }
};

// ---- random source -------------------------------------------------------------------------

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1).
    virtual double next() = 0;
    // The rules reseed at fixed points; implementations mix in a count of the reseeds rather
    // than restarting the sequence, so two reseeds never repeat draws and the draws after a
    // reseed still follow from the saved state.
    virtual void reseed() = 0;
    // Everything the draws to come depend on, as a short text kept with the saved game (at most
    // kRandomStateWidth characters); empty for a source that cannot be kept.
    virtual std::string state() const { return {}; }
    // Takes up a kept state; false, with the state unchanged, for a text it does not know.
    virtual bool restore(std::string_view) { return false; }
};

// ---- the turn engine's display -------------------------------------------------------------

enum class Sound { Laser, Landing, Explosion };

// The battle report window and its message window, as the engine drives them. The window's
// buttons and close box tell the display what the player wants skipped; the engine asks.
class TurnDisplay {
  public:
    virtual ~TurnDisplay() = default;

    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
    virtual void setPlanet(const std::string& name) = 0;
    virtual void setAttacker(const std::string& name) = 0;
    virtual void setDefender(const std::string& name) = 0;
    virtual void setCounts(const std::string& attackers, const std::string& defenders) = 0;

    // 21 steps of 0.2 s moving the arriving ship in.
    virtual void landingAnimation() = 0;
    // One shown battle round: counts, both ships, the laser line for a second. Round 0 is the
    // first round of a battle (the defender fires first, in blue).
    virtual void battleRound(int round, int attackers, int defenders) = 0;
    // The ship images are hidden once a battle is over.
    virtual void battleFinished() = 0;

    virtual void beginRebelPhase() = 0;
    virtual void rebelRound(int round, int defenders) = 0;
    virtual void endRebelPhase() = 0;

    // Modal message in the end-of-turn message window; returns when the user closed it.
    virtual void showMessage(const std::string& text) = 0;
    // Plays to the end (or not at all when there is no audio output).
    virtual void playSound(Sound sound) = 0;

    // The player's wishes, from the window: the rest of this battle, the rest of this year end's
    // battles and messages, or the window closed by its frame (the rest of this year end runs
    // as with "Skip End Turn Screen" checked and ends on the summary).
    void skipBattle() { skipBattle_ = true; }
    void skipAll() { skipAll_ = true; }
    void closedByPlayer() {
        closed_ = true;
        skipAll_ = true;
    }

    // What the engine asks before showing a round or a message.
    bool roundsShown() const { return !skipBattle_ && !skipAll_; }
    bool messagesShown() const { return !skipAll_; }
    bool windowClosed() const { return closed_; }

    // A year end starts with the window open and everything shown unless the setting skips it;
    // a skipped battle ends with that battle, and the window's opening ends it too.
    void beginYearEnd(bool skipEverything) {
        skipAll_ = skipEverything;
        closed_ = false;
    }
    void resumeRounds() { skipBattle_ = false; }

  private:
    bool skipBattle_ = false;
    bool skipAll_ = false;
    bool closed_ = false;
};

// ---- the main window, as the engine sees it ------------------------------------------------

class GameView {
  public:
    virtual ~GameView() = default;
    virtual void DrawGalaxyMap() = 0;
    // After the current side's task forces were reloaded with the update flag: scroll to the
    // home planet, show the turn, the year and the home planet in the panel.
    virtual void TurnStatusShown() = 0;
    // The end turn summary, opened without waiting when the screens were skipped.
    virtual void ShowEndTurnSummary() = 0;
    // The End Turn that opened it was undone: its summary shows a year that did not happen.
    virtual void CloseEndTurnSummary() = 0;
};

}  // namespace zenthar
