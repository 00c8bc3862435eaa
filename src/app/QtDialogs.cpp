// Message boxes of the game.
#include "app/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace zenthar::ui {

namespace {

// The game's texts break lines with a bare carriage return, which a label would not show.
QString DisplayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

}  // namespace

std::unique_ptr<QMessageBox> QtDialogs::buildBox(const zenthar::MessageRequest& request,
                                                 QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(QString::fromStdString(request.title));
    box->setText(DisplayText(request.text));
    box->setTextFormat(Qt::PlainText);
    box->setIcon(request.icon == zenthar::Icon::Critical ? QMessageBox::Critical
                                                         : QMessageBox::NoIcon);
    if (request.buttons == zenthar::Buttons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(request.defaultButton == zenthar::Answer::Yes ? QMessageBox::Yes
                                                                            : QMessageBox::No);
        // Closing the box by its frame or Esc must never mean Yes.
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
    }
    return box;
}

zenthar::Answer QtDialogs::ask(const zenthar::MessageRequest& request) {
    if (answerer_) return answerer_(request);
    // Over the dialog that asks, when one is open, so the box appears where the user looks.
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr) parent = parent_ ? parent_.data() : QApplication::activeWindow();
    auto box = buildBox(request, parent);
    const int result = box->exec();
    if (request.buttons == zenthar::Buttons::Ok) return zenthar::Answer::Ok;
    return result == QMessageBox::Yes ? zenthar::Answer::Yes : zenthar::Answer::No;
}

}  // namespace zenthar::ui
