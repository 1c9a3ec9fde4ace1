#include "ui/orders/orderoutput.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

using namespace Qt::Literals::StringLiterals;

namespace vorlane {

bool DialogOrderOutput::choosePrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(u"Imprimer le bon de commande"_s);
    return dialog.exec() == QDialog::Accepted;
}

QString DialogOrderOutput::choosePdfFile(QWidget *parent, const QString &suggested)
{
    return QFileDialog::getSaveFileName(parent, u"Exporter le bon de commande en PDF"_s, suggested,
                                        u"Documents PDF (*.pdf)"_s);
}

} // namespace vorlane
