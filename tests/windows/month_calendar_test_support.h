// Shared by the month calendar tests: page dialogs that answer at once and draw on PDF files, and
// the pages a PDF file holds.
#pragma once

#include <QFont>
#include <QPageSize>
#include <QPrinter>
#include <QString>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "tests/pages/page_test_support.h"
#include "windows/page_dialogs.h"

namespace salvenor::testing {

// Sends a printer's output to a PDF file of the given paper.
inline void PrintToPdf(QPrinter& printer, const std::string& file, QPageSize::PageSizeId paper) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file));
    printer.setPageSize(QPageSize(paper));
}

// The page objects of a PDF file ("/Type /Page", not the "/Pages" tree).
inline int PdfPageCount(const std::string& file) {
    const std::string pdf = ReadText(file);
    static const std::regex page(R"(/Type\s*/Page(?![s\w]))");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

// Answers every dialog from its fields and records the calls in order ("save", "print",
// "preview", "font"). Printing and the preview draw on `pdfFile` in `paper`.
class FakePageDialogs final : public PageDialogs {
  public:
    QString saveFileName(QWidget*, const QString& suggested) override {
        calls.push_back("save");
        suggestedName = suggested;
        return saveAnswer;
    }
    bool setUpPrinter(QWidget*, QPrinter& printer) override {
        calls.push_back("print");
        PrintToPdf(printer, pdfFile, paper);
        return printAnswer;
    }
    void preview(QWidget*, QPrinter& printer,
                 const std::function<void(QPrinter*)>& paint) override {
        calls.push_back("preview");
        PrintToPdf(printer, pdfFile, paper);
        paint(&printer);
    }
    std::optional<QFont> chooseFont(QWidget*, const QFont& initial) override {
        calls.push_back("font");
        initialFont = initial;
        return fontAnswer;
    }

    QString saveAnswer;  // empty: cancelled
    bool printAnswer = true;
    std::optional<QFont> fontAnswer;
    std::string pdfFile;
    QPageSize::PageSizeId paper = QPageSize::A4;

    std::vector<std::string> calls;
    QString suggestedName;
    QFont initialFont;
};

}  // namespace salvenor::testing
