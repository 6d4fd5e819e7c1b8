// The settings windows' field exchange.
#include "windows/field_exchange.h"

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QString>
#include <limits>

#include "core/number_text.h"
#include "core/texts.h"
#include "platform/qt/ui_text.h"

namespace salvenor::fx {

namespace {

bool Refuse(QLineEdit* edit, const std::string& message, MessageBoxes& boxes) {
    boxes.show(message, MessageIcon::Exclamation);
    edit->setFocus();
    edit->selectAll();
    return false;
}

template <typename N>
bool RefuseRange(QLineEdit* edit, N min, N max, MessageBoxes& boxes) {
    const QString message = UiText(texts::EnterIntegerBetween).arg(min).arg(max);
    return Refuse(edit, message.toStdString(), boxes);
}

std::string TextOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}

// Drops the typed characters that the edit's kind of number does not take.
class TypingFilter final : public QObject {
  public:
    TypingFilter(QLineEdit* edit, TypedNumber kind) : QObject(edit), edit_(edit), kind_(kind) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != edit_ || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (typed.size() != 1 || !typed.at(0).isPrint() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            return false;  // editing keys and shortcuts (paste included) pass
        }
        const QChar c = typed.at(0);
        if (c.unicode() > 0x7f) {
            return true;
        }
        QString rest = edit_->text();
        int position = edit_->cursorPosition();
        if (edit_->hasSelectedText()) {
            position = edit_->selectionStart();
            rest.remove(position, static_cast<int>(edit_->selectedText().size()));
        }
        const std::string text = rest.toStdString();
        return !AcceptsTypedCharacter(text, static_cast<std::size_t>(position),
                                      static_cast<char>(c.unicode()), kind_);
    }

  private:
    QLineEdit* edit_;
    TypedNumber kind_;
};

}  // namespace

bool AcceptsTypedCharacter(std::string_view text, std::size_t position, char c, TypedNumber kind) {
    if (c >= '0' && c <= '9') {
        // Nothing goes in front of a minus sign.
        return position > 0 || text.empty() || text.front() != '-';
    }
    if (c == '-' && kind != TypedNumber::Digits) {
        return position == 0 && (text.empty() || text.front() != '-');
    }
    if (c == '.' && kind == TypedNumber::SignedDecimal) {
        return text.find('.') == std::string_view::npos &&
               (position > 0 || text.empty() || text.front() != '-');
    }
    return false;
}

void RestrictTyping(QLineEdit* edit, TypedNumber kind) {
    edit->installEventFilter(new TypingFilter(edit, kind));
}

void ShowDouble(QLineEdit* edit, double value) {
    edit->setText(QString::fromStdString(FormatDouble15(value)));
}

void ShowInteger(QLineEdit* edit, long long value) {
    edit->setText(QString::number(value));
}

bool ReadDouble(QLineEdit* edit, double& value, MessageBoxes& boxes) {
    const auto scanned = ScanLeadingDouble(TextOf(edit));
    if (!scanned) {
        return Refuse(edit, texts::EnterNumber, boxes);
    }
    value = *scanned;
    return true;
}

bool ReadDoubleInRange(QLineEdit* edit, double& value, double min, double max,
                       MessageBoxes& boxes) {
    double read = value;
    if (!ReadDouble(edit, read, boxes)) {
        return false;
    }
    if (read < min || read > max) {
        const QString message = UiText(texts::EnterNumberBetween).arg(min).arg(max);
        return Refuse(edit, message.toStdString(), boxes);
    }
    value = read;
    return true;
}

bool ReadInteger(QLineEdit* edit, int& value, MessageBoxes& boxes) {
    const auto scanned = ScanLeadingInteger(TextOf(edit));
    if (!scanned || *scanned < std::numeric_limits<int>::min() ||
        *scanned > std::numeric_limits<int>::max()) {
        return Refuse(edit, texts::EnterInteger, boxes);
    }
    value = static_cast<int>(*scanned);
    return true;
}

bool ReadIntegerInRange(QLineEdit* edit, int& value, int min, int max, MessageBoxes& boxes) {
    if (!ReadInteger(edit, value, boxes)) {
        return false;
    }
    if (value < min || value > max) {
        return RefuseRange(edit, min, max, boxes);
    }
    return true;
}

bool ReadPositiveInteger(QLineEdit* edit, unsigned& value, MessageBoxes& boxes) {
    const std::string text = TextOf(edit);
    const auto scanned = ScanLeadingInteger(text);
    if (!scanned || *scanned < 0 || *scanned > std::numeric_limits<unsigned>::max() ||
        text.find('-') < text.find_first_of("0123456789")) {
        return Refuse(edit, texts::EnterPositiveInteger, boxes);
    }
    value = static_cast<unsigned>(*scanned);
    return true;
}

bool ReadPositiveIntegerInRange(QLineEdit* edit, unsigned& value, unsigned min, unsigned max,
                                MessageBoxes& boxes) {
    if (!ReadPositiveInteger(edit, value, boxes)) {
        return false;
    }
    if (value < min || value > max) {
        return RefuseRange(edit, min, max, boxes);
    }
    return true;
}

}  // namespace salvenor::fx
