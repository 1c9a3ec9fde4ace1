#include "ui/printdialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

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

bool WidgetPrintDialogs::preview(const std::vector<QImage> &sheets, QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("apercu"));
    dialog.setWindowTitle(QString::fromUtf8("Aperçu avant impression"));
    auto *pages = new QWidget;
    pages->setObjectName(QStringLiteral("feuilles"));
    pages->setStyleSheet(QStringLiteral("#feuilles { background: #8a8f96; }"));
    auto *column = new QVBoxLayout(pages);
    column->setSpacing(16);
    column->setContentsMargins(16, 16, 16, 16);
    for (size_t k = 0; k < sheets.size(); ++k) {
        auto *sheet = new QLabel;
        sheet->setPixmap(QPixmap::fromImage(sheets[k]));
        sheet->setToolTip(QStringLiteral("Page %1 sur %2").arg(k + 1).arg(sheets.size()));
        sheet->setStyleSheet(QStringLiteral("border: 1px solid #404040;"));
        column->addWidget(sheet, 0, Qt::AlignHCenter);
    }
    auto *scroll = new QScrollArea;
    scroll->setWidget(pages);
    scroll->setWidgetResizable(true);
    auto *buttons = new QDialogButtonBox;
    QPushButton *print = buttons->addButton(QString::fromUtf8("Imprimer…"), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("imprimer"));
    buttons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    dialog.resize(920, 680);
    return dialog.exec() == QDialog::Accepted;
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
