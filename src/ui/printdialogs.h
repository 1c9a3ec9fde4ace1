#pragma once

#include <QImage>
#include <QString>
#include <vector>

class QPrinter;
class QWidget;

namespace vorlane {

// The dialogs of printing, behind an interface so that tests answer them.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;

    // The printer set-up dialog on `printer`; false when the user cancels.
    virtual bool setUpPrinter(QPrinter &printer, QWidget *parent) = 0;
    // The print preview: the sheets of the run, each with its own paper size and
    // orientation. True when the user asks to print from it.
    virtual bool preview(const std::vector<QImage> &sheets, QWidget *parent) = 0;
    // The PDF file to write, or the empty text when the user cancels.
    virtual QString pdfFileName(QWidget *parent) = 0;
};

// The dialogs as the user sees them: QPrintDialog, a preview window that shows
// the sheets one under the other (Qt's QPrintPreviewDialog gives every page of a
// document the same paper orientation, so it cannot show a run that mixes
// portrait and landscape sheets) and a file dialog.
class WidgetPrintDialogs final : public PrintDialogs {
public:
    bool setUpPrinter(QPrinter &printer, QWidget *parent) override;
    bool preview(const std::vector<QImage> &sheets, QWidget *parent) override;
    QString pdfFileName(QWidget *parent) override;
};

} // namespace vorlane
