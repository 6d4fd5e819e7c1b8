// The settings sheet and the base of its pages.
#include "windows/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/texts.h"
#include "platform/qt/ui_text.h"

namespace salvenor {

CPropertyPage::CPropertyPage(QWidget* parent) : QWidget(parent) {}

void CPropertyPage::EnsureCreated() {
    if (created_) {
        return;
    }
    created_ = true;
    OnInitPage();
}

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    createControls();
    createLayout();
    connectSignals();
}

void CPropertySheet::createControls() {
    tabs_ = new QTabWidget(this);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons_->button(QDialogButtonBox::Ok);
    ok_->setText(UiText(texts::OkButton));
    ok_->setDefault(true);
    cancel_ = buttons_->button(QDialogButtonBox::Cancel);
    cancel_->setText(UiText(texts::CancelButton));
}

void CPropertySheet::createLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
}

void CPropertySheet::connectSignals() {
    connect(buttons_, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CPropertySheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &CPropertySheet::followCurrentTab);
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

void CPropertySheet::followCurrentTab(int index) {
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
