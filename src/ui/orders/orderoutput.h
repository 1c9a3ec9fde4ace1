#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace vorlane {

// Where an order form goes: the printer chosen in the print dialog, or a PDF
// file chosen in a file dialog. Tests answer without dialogs.
class OrderOutput {
public:
    virtual ~OrderOutput() = default;

    // Lets the user choose and set up the printer; false when cancelled.
    virtual bool choosePrinter(QPrinter &printer, QWidget *parent) = 0;
    // The PDF file to write; empty when cancelled.
    virtual QString choosePdfFile(QWidget *parent, const QString &suggested) = 0;
};

// The print dialog and the file dialog.
class DialogOrderOutput final : public OrderOutput {
public:
    bool choosePrinter(QPrinter &printer, QWidget *parent) override;
    QString choosePdfFile(QWidget *parent, const QString &suggested) override;
};

} // namespace vorlane
