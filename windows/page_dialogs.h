// The standard dialogs a page window opens (save-file, print, print preview, font), behind one
// seam so that tests answer them without a modal run.
#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace salvenor {

class PageDialogs {
  public:
    virtual ~PageDialogs() = default;
    // The file to save to, or an empty text when the user cancels. A suggested name ending in
    // ".ics" asks for a calendar file, any other for a page.
    virtual QString saveFileName(QWidget* parent, const QString& suggested) = 0;
    // Lets the user set up `printer`; false when the user cancels.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
    // Shows the pages that `paint` draws on `printer` until the user closes the preview (or
    // prints from it).
    virtual void preview(QWidget* parent, QPrinter& printer,
                         const std::function<void(QPrinter*)>& paint) = 0;
    // The font chosen, or nothing when the user cancels.
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;
};

// The Qt dialogs: QFileDialog, QPrintDialog, QPrintPreviewDialog and QFontDialog.
class QtPageDialogs final : public PageDialogs {
  public:
    QString saveFileName(QWidget* parent, const QString& suggested) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    void preview(QWidget* parent, QPrinter& printer,
                 const std::function<void(QPrinter*)>& paint) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
};

}  // namespace salvenor
