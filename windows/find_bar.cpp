// Find in a page.
#include "windows/find_bar.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

#include "core/texts.h"
#include "platform/qt/ui_text.h"

namespace salvenor {

namespace {

QString Text(const char* text) {
    return UiText(text);
}

// A pale red behind black text: readable, and plain to see without relying on colour alone (the
// status beside it says "Not found").
const QColor NotFoundTint(0xFF, 0xD6, 0xD6);

}  // namespace

FindOutcome FindInView(QTextEdit* view, const QString& text, bool backward) {
    if (text.isEmpty()) {
        return FindOutcome::NoText;
    }
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    const QTextDocument* document = view->document();
    QTextCursor match = document->find(text, view->textCursor(), flags);
    bool wrapped = false;
    if (match.isNull()) {
        QTextCursor edge(view->document());
        edge.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        match = document->find(text, edge, flags);
        wrapped = true;
    }
    if (match.isNull()) {
        return FindOutcome::NotFound;
    }
    view->setTextCursor(match);
    view->ensureCursorVisible();
    return wrapped ? FindOutcome::Wrapped : FindOutcome::Found;
}

FindBar::FindBar(QTextEdit* view, QWidget* parent) : QWidget(parent), view_(view) {
    createControls();
    createLayout();
    connectSignals();
    hide();
}

void FindBar::createControls() {
    label_ = new QLabel(Text(texts::FindLabel), this);
    field_ = new QLineEdit(this);
    next_ = new QPushButton(Text(texts::FindNextButton), this);
    previous_ = new QPushButton(Text(texts::FindPreviousButton), this);
    close_ = new QToolButton(this);
    status_ = new QLabel(this);

    label_->setBuddy(field_);
    field_->setAccessibleName(Text(texts::FindFieldName));
    field_->setClearButtonEnabled(true);
    field_->installEventFilter(this);
    // Enter in the field finds the next match; it must not reach the window's default button.
    for (QPushButton* button : {next_, previous_}) {
        button->setAutoDefault(false);
    }
    close_->setText(Text(texts::FindCloseSymbol));
    close_->setAccessibleName(Text(texts::FindCloseButton));
    close_->setToolTip(Text(texts::FindCloseButton));
    close_->setFocusPolicy(Qt::StrongFocus);
    status_->setAccessibleName(Text(texts::FindStatusName));
}

void FindBar::createLayout() {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    layout->addWidget(field_, 1);
    layout->addWidget(next_);
    layout->addWidget(previous_);
    layout->addWidget(status_, 2);
    layout->addWidget(close_);
    setTabOrder(field_, next_);
    setTabOrder(next_, previous_);
    setTabOrder(previous_, close_);
}

void FindBar::connectSignals() {
    connect(next_, &QPushButton::clicked, this, &FindBar::findNext);
    connect(previous_, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(close_, &QToolButton::clicked, this, [this] {
        hide();
        view_->setFocus();
    });
    connect(field_, &QLineEdit::textEdited, this, &FindBar::findAsTyped);
}

void FindBar::open() {
    setVisible(true);
    field_->setFocus();
    field_->selectAll();
}

FindOutcome FindBar::findNext() {
    return find(false);
}

FindOutcome FindBar::findPrevious() {
    return find(true);
}

FindOutcome FindBar::find(bool backward) {
    const FindOutcome outcome = FindInView(view_, field_->text(), backward);
    showOutcome(outcome, backward);
    return outcome;
}

// While the text is typed the match grows from where it stands.
void FindBar::findAsTyped() {
    QTextCursor cursor = view_->textCursor();
    cursor.setPosition(cursor.selectionStart());
    view_->setTextCursor(cursor);
    find(false);
}

void FindBar::showOutcome(FindOutcome outcome, bool backward) {
    notFound_ = outcome == FindOutcome::NotFound;
    QPalette palette = field_->palette();
    if (notFound_) {
        palette.setColor(QPalette::Base, NotFoundTint);
        palette.setColor(QPalette::Text, Qt::black);
    } else {
        palette = QPalette();
    }
    field_->setPalette(palette);
    switch (outcome) {
        case FindOutcome::NotFound:
            status_->setText(Text(texts::FindNotFound));
            break;
        case FindOutcome::Wrapped:
            status_->setText(Text(backward ? texts::FindWrappedToBottom : texts::FindWrappedToTop));
            break;
        case FindOutcome::Found:
        case FindOutcome::NoText:
            status_->clear();
            break;
    }
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            find((key->modifiers() & Qt::ShiftModifier) != 0);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            close_->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace salvenor
