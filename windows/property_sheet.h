// A tabbed settings sheet with OK and Cancel, and the pages it holds. A page is set up the first
// time its tab comes forward; the page being left (or the active page at OK) checks its fields
// first; OK then applies every page that has been set up, in tab order; Cancel applies none.
#pragma once

#include <QDialog>
#include <QWidget>
#include <vector>

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace salvenor {

class CPropertyPage : public QWidget {
    Q_OBJECT

  public:
    explicit CPropertyPage(QWidget* parent = nullptr);

    // True once the page has been set up (its tab has been brought forward).
    bool created() const { return created_; }

    // Sets the page up the first time; later calls do nothing.
    void EnsureCreated();

    // Saves the controls' values into the page's fields; false (after the field's message) keeps
    // the page active and the sheet open.
    virtual bool OnKillActive() { return true; }

    // Checked for every set-up page before any OnOK runs; false (after the page's message) keeps
    // the sheet open on that page.
    virtual bool OnApplyCheck() { return true; }

    // The page's part of the sheet's OK; runs only for pages that have been set up.
    virtual void OnOK() {}

  protected:
    virtual void OnInitPage() = 0;

  private:
    bool created_ = false;
};

class CPropertySheet : public QDialog {
    Q_OBJECT

  public:
    explicit CPropertySheet(const QString& caption, QWidget* parent = nullptr);

    // The sheet takes the page as a child; tabs appear in the order added.
    void AddPage(CPropertyPage* page, const QString& title);

    int pageCount() const { return static_cast<int>(pages_.size()); }
    CPropertyPage* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    int activeIndex() const;

    // Brings a page forward as a tab click does: the page being left must pass its check first.
    // Returns whether the page is now active.
    bool SetActivePage(int index);

    QTabWidget* tabs() const { return tabs_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // OK: the active page's check, every set-up page's OnApplyCheck, then every set-up page's
    // OnOK, then the sheet closes.
    void accept() override;
    void setVisible(bool visible) override;

  private:
    void createControls();
    void createLayout();
    void connectSignals();
    // A tab brought forward: the page being left checks its fields first, the new one is set up.
    void followCurrentTab(int index);

    QTabWidget* tabs_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::vector<CPropertyPage*> pages_;  // children of the tab widget
    int shownIndex_ = 0;
    bool switching_ = false;
};

}  // namespace salvenor
