// The Qt dialogs of the page windows.
#include "windows/page_dialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/texts.h"
#include "platform/qt/ui_text.h"

namespace salvenor {

QString QtPageDialogs::saveFileName(QWidget* parent, const QString& suggested) {
    // The suggested name's kind decides the filter: a calendar file, or a page.
    const bool calendar = suggested.endsWith(QStringLiteral(".ics"), Qt::CaseInsensitive);
    QFileDialog dialog(
        parent, UiText(texts::SavePageTitle), suggested,
        calendar ? UiText(texts::CalendarFilesFilter) : UiText(texts::SavePageFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(calendar ? QStringLiteral("ics") : QStringLiteral("html"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool QtPageDialogs::setUpPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPageDialogs::preview(QWidget* parent, QPrinter& printer,
                            const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.exec();
}

std::optional<QFont> QtPageDialogs::chooseFont(QWidget* parent, const QFont& initial) {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, initial, parent);
    if (!chosen) {
        return std::nullopt;
    }
    return font;
}

}  // namespace salvenor
