// Find in a page: a small bar with a text field, next and previous buttons and a close button,
// searching the view's text from its cursor, round the page once, with a visible "not found".
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace salvenor {

enum class FindOutcome {
    Found,     // a match after (or before) the cursor
    Wrapped,   // none there: the match was found from the other end of the page
    NotFound,  // no match anywhere; the selection is left as it was
    NoText,    // nothing to look for
};

// Looks for `text` (case ignored) from the view's cursor, forward from the end of the selection
// or backward from its start, and once more from the other end of the page. A match becomes the
// view's selection and is scrolled into sight.
FindOutcome FindInView(QTextEdit* view, const QString& text, bool backward);

class FindBar : public QWidget {
    Q_OBJECT

  public:
    FindBar(QTextEdit* view, QWidget* parent);

    // Shows the bar with the focus in its field, the field's text selected.
    void open();
    FindOutcome findNext();
    FindOutcome findPrevious();

    QLineEdit* field() const { return field_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* previousButton() const { return previous_; }
    QToolButton* closeButton() const { return close_; }
    QLabel* status() const { return status_; }
    // True while the last search found nothing; the field is then tinted and the status says so.
    bool showsNotFound() const { return notFound_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createLayout();
    void connectSignals();

    FindOutcome find(bool backward);
    void findAsTyped();
    void showOutcome(FindOutcome outcome, bool backward);

    QTextEdit* view_;
    QLabel* label_ = nullptr;
    QLineEdit* field_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* previous_ = nullptr;
    QToolButton* close_ = nullptr;
    QLabel* status_ = nullptr;
    bool notFound_ = false;
};

}  // namespace salvenor
