// Scripted and recording interfaces for tests.
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zenthar::testing {

double ScriptedRandom::next() {
    ++draws;
    if (values_.empty()) {
        if (!hasFallback_)
            ADD_FAILURE() << "ScriptedRandom ran out of values after " << draws << " draws";
        return fallback_;
    }
    double v = values_.front();
    values_.pop_front();
    return v;
}

Answer ScriptedDialogs::ask(const MessageRequest& r) {
    asked.push_back(r);
    if (answers_.empty()) return r.buttons == Buttons::Ok ? Answer::Ok : r.defaultButton;
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::vector<std::string> ScriptedDialogs::texts() const {
    std::vector<std::string> out;
    for (const auto& r : asked) out.push_back(r.text);
    return out;
}

void RecordingDisplay::showWindow() {
    log.push_back("showWindow");
    if (count("showWindow") == closeAtShowWindow) closedByPlayer();
}

void RecordingDisplay::battleRound(int r, int a, int d) {
    log.push_back("battleRound " + std::to_string(r) + " " + std::to_string(a) + " " +
                  std::to_string(d));
    if (pressSkipBattleAfterRounds >= 0 && r + 1 >= pressSkipBattleAfterRounds) skipBattle();
}

void RecordingDisplay::rebelRound(int r, int d) {
    log.push_back("rebelRound " + std::to_string(r) + " " + std::to_string(d));
}

void RecordingDisplay::showMessage(const std::string& t) {
    log.push_back("showMessage " + t);
    messages.push_back(t);
}

void RecordingDisplay::playSound(Sound s) {
    sounds.push_back(s);
    log.push_back(s == Sound::Laser     ? "playSound laser"
                  : s == Sound::Landing ? "playSound landing"
                                        : "playSound explosion");
}

bool RecordingDisplay::contains(const std::string& line) const {
    return std::find(log.begin(), log.end(), line) != log.end();
}

int RecordingDisplay::count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(
        log.begin(), log.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

}  // namespace zenthar::testing
