// Modal message boxes and Yes/No questions on QMessageBox.
#include "platform/qt/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "core/texts.h"
#include "platform/qt/ui_text.h"

namespace salvenor {

namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Runs a box over the window the user is working in, so that it stays in front of it.
int RunBox(std::string_view text, MessageIcon icon, QMessageBox::StandardButtons buttons) {
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    // A text of core/texts.h as it is, in the user's language; a text already formatted has been
    // translated where it was made.
    QMessageBox box(QtIcon(icon), UiText(texts::AppTitle), UiText(std::string(text).c_str()),
                    buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

}  // namespace

void QtMessageBoxes::show(std::string_view text, MessageIcon icon) {
    RunBox(text, icon, QMessageBox::Ok);
}

bool QtMessageBoxes::askYesNo(std::string_view text, MessageIcon icon) {
    // Any answer but No counts as Yes, the way the questions have always been read.
    return RunBox(text, icon, QMessageBox::Yes | QMessageBox::No) != QMessageBox::No;
}

std::string QtMessageBoxes::inUserLanguage(const char* english) const {
    return UiString(english);
}

}  // namespace salvenor
