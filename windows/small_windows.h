// The small windows with fixed content: the About window, the first-run notice, the website
// reminder and the notice for what this release lacks. Each is built when it opens, its picture
// painted then, and destroyed when it closes; none stores anything.
#pragma once

#include <QDialog>
#include <QImage>
#include <array>

class QDialogButtonBox;
class QLabel;
class QPushButton;

namespace salvenor {

class SoundPlayer;

// "About Salvenor Version 2.0": the about picture, the licence and the data credits, "OK".
class CAbout final : public QDialog {
    Q_OBJECT

  public:
    explicit CAbout(QWidget* parent = nullptr);

    // Product name, version, release month, copyright and the project's addresses.
    static QImage Picture();

    QPushButton* okButton() const;

  private:
    void createControls();

    QDialogButtonBox* buttons_ = nullptr;
};

// The first-run notice, above all other windows: "Continue..." (accepts, the default) goes on
// with setup, "Exit !" (rejects) refuses it.
class CInitInstallation final : public QDialog {
    Q_OBJECT

  public:
    explicit CInitInstallation(QWidget* parent = nullptr);

    // The small picture beside the texts: a globe with a place marked on it.
    static QImage Picture();

    QPushButton* continueButton() const { return continue_; }
    QPushButton* exitButton() const { return exit_; }

  private:
    void createControls();
    void createLayout();
    void connectSignals();

    QLabel* heading_ = nullptr;
    QLabel* picture_ = nullptr;
    std::array<QLabel*, 3> paragraphs_{};
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* continue_ = nullptr;
    QPushButton* exit_ = nullptr;
};

// "Reminder": the project's web page and mail address, "OK".
class CWebsiteReminder final : public QDialog {
    Q_OBJECT

  public:
    explicit CWebsiteReminder(QWidget* parent = nullptr);

    QPushButton* okButton() const;

  private:
    void createControls();

    QDialogButtonBox* buttons_ = nullptr;
};

// "Not Supported !!": a picture saying the feature is not in this release, with where news of
// later releases is found, "OK".
class CFtNotSupported final : public QDialog {
    Q_OBJECT

  public:
    explicit CFtNotSupported(QWidget* parent = nullptr);

    static QImage Picture();

    QPushButton* okButton() const;

  private:
    void createControls();

    QDialogButtonBox* buttons_ = nullptr;
};

// Each runs its window modally and destroys it when it closes.
void OpenAbout(QWidget* parent);
// True when the user chose "Continue..."; any other end (Exit !, Escape, the close box) is false.
bool AskInitInstallation(QWidget* parent);
void ShowWebsiteReminder(QWidget* parent);
// Sounds the beeper at 450 Hz for 100 ms, then shows the notice.
void OpenNotSupported(QWidget* parent, SoundPlayer& sound);

}  // namespace salvenor
