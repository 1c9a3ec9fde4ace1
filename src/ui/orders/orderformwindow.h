#pragma once

#include "core/orders/orderform.h"
#include "ui/orders/orderoutput.h"

#include <QDialog>
#include <QMap>
#include <optional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace vorlane {

// The order forms "BDC" (a pupil or a family) and "BD2" (a school): the
// entries, each checked with its message beside it, the catalogue with a
// quantity per item and the totals kept up to date, and the buttons to print
// the form or export it as PDF. Without a catalogue the window only says that
// the course offers no order form.
class OrderFormWindow final : public QDialog {
    Q_OBJECT
public:
    OrderFormWindow(OrderKind kind, std::optional<std::vector<CatalogueItem>> catalogue, OrderOutput &output,
                    QWidget *parent = nullptr);

    // Opens the form of the course in `applicationFolder` modally (form 1:
    // "BDC", 2: "BD2").
    static void run(int form, const QString &applicationFolder, QWidget *parent);

    static QString objectNameOf(OrderField field);
    const OrderForm &form() const { return m_form; }

    // Checks every entry and shows the messages; true when the form may be
    // printed.
    bool checkAll();
    // Draws the form into a PDF file; false (with the reason shown) when it
    // was refused or could not be written.
    bool exportPdf(const QString &path);

private:
    void buildEntries(QWidget *parent, QGridLayout *grid);
    void showFieldError(OrderField field);
    void updateTotals();
    void print();
    void exportChosenPdf();
    void setStatus(const QString &text, bool error);

    OrderForm m_form;
    OrderOutput &m_output;
    QMap<OrderField, QLineEdit *> m_edits;
    QMap<OrderField, QLabel *> m_errors;
    QTableWidget *m_table = nullptr;
    QLabel *m_total = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace vorlane
