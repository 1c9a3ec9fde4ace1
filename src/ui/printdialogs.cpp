#include "ui/printdialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace vorlane {

bool WidgetPrintDialogs::setUpPrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Imprimer"));
    // The run is the page's print range: there is no page range to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

void WidgetPrintDialogs::preview(QPrinter &printer, const std::function<void(QPrinter *)> &paint,
                                 QWidget *parent)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromUtf8("Aperçu avant impression"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *p) { paint(p); });
    dialog.resize(760, 560);
    dialog.exec();
}

QString WidgetPrintDialogs::pdfFileName(QWidget *parent)
{
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Exporter en PDF"),
                                                QDir::home().filePath(QStringLiteral("vorlane.pdf")),
                                                QStringLiteral("Documents PDF (*.pdf)"));
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return path;
}

} // namespace vorlane
