// The settings sheet and the base of its pages.
#include "windows/property_sheet.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/texts.h"

namespace salvenor {

CPropertyPage::CPropertyPage(QWidget* parent) : QWidget(parent) {}

void CPropertyPage::EnsureCreated() {
    if (created_) {
        return;
    }
    created_ = true;
    OnInitPage();
}

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent),
      tabs_(new QTabWidget(this)),
      ok_(new QPushButton(QString::fromUtf8(texts::OkButton), this)),
      cancel_(new QPushButton(QString::fromUtf8(texts::CancelButton), this)) {
    setWindowTitle(caption);
    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &CPropertySheet::accept);
    connect(cancel_, &QPushButton::clicked, this, &CPropertySheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &CPropertySheet::OnCurrentChanged);
}

void CPropertySheet::AddPage(CPropertyPage* page, const QString& title) {
    pages_.push_back(page);
    switching_ = true;  // the first tab becomes current here; it is set up when the sheet shows
    tabs_->addTab(page, title);
    switching_ = false;
    shownIndex_ = tabs_->currentIndex();
}

int CPropertySheet::activeIndex() const {
    return tabs_->currentIndex();
}

bool CPropertySheet::SetActivePage(int index) {
    tabs_->setCurrentIndex(index);
    return tabs_->currentIndex() == index;
}

void CPropertySheet::setVisible(bool visible) {
    // The page in front is set up before the sheet first appears, as its tab is then shown.
    if (visible && !pages_.empty()) {
        page(tabs_->currentIndex())->EnsureCreated();
    }
    QDialog::setVisible(visible);
}

void CPropertySheet::OnCurrentChanged(int index) {
    if (switching_ || index < 0) {
        return;
    }
    if (index != shownIndex_ && shownIndex_ >= 0 && shownIndex_ < pageCount()) {
        CPropertyPage* const leaving = page(shownIndex_);
        if (leaving->created() && !leaving->OnKillActive()) {
            // The page being left keeps the front until its fields are right.
            switching_ = true;
            tabs_->setCurrentIndex(shownIndex_);
            switching_ = false;
            return;
        }
    }
    shownIndex_ = index;
    page(index)->EnsureCreated();
}

void CPropertySheet::accept() {
    if (pages_.empty()) {
        QDialog::accept();
        return;
    }
    CPropertyPage* const active = page(tabs_->currentIndex());
    if (active->created() && !active->OnKillActive()) {
        return;
    }
    for (int i = 0; i < pageCount(); ++i) {
        if (page(i)->created() && !page(i)->OnApplyCheck()) {
            SetActivePage(i);
            return;
        }
    }
    for (CPropertyPage* p : pages_) {
        if (p->created()) {
            p->OnOK();
        }
    }
    QDialog::accept();
}

}  // namespace salvenor
