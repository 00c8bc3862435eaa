// The game's message boxes on screen: every question and message of the core and of the
// windows becomes a QMessageBox (OK only without icon, or Yes/No with the stop icon and No as
// the default button).
//
// Testing: setAnswerer() installs a function that answers instead of the user; while one is
// installed no box is shown at all, the request is handed to the function and its answer is
// returned. Window tests use it to script Yes/No and to see which texts were asked.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "game/platform.h"

class QMessageBox;

namespace zenthar::ui {

class QtDialogs : public zenthar::UserDialogs {
  public:
    using Answerer = std::function<zenthar::Answer(const zenthar::MessageRequest&)>;

    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    zenthar::Answer ask(const zenthar::MessageRequest& request) override;

    void setParent(QWidget* parent) { parent_ = parent; }
    void setAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }
    bool hasAnswerer() const { return static_cast<bool>(answerer_); }

    // The box a request turns into, not yet shown: title, text (a carriage return becomes a
    // line break), buttons, icon and default button.
    static std::unique_ptr<QMessageBox> buildBox(const zenthar::MessageRequest& request,
                                                 QWidget* parent);

  private:
    QPointer<QWidget> parent_;
    Answerer answerer_;
};

}  // namespace zenthar::ui
