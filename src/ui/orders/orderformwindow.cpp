#include "ui/orders/orderformwindow.h"

#include "core/orders/orderformdrawing.h"

#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace vorlane {

namespace {

const QString kStyle =
    u"QDialog { background: #f4f6fb; }"
    " QLabel#titre { background: #243b63; color: white; font-size: 15pt; font-weight: bold;"
    "  padding: 8px 14px; }"
    " QLabel[erreur=\"true\"] { color: #b3261e; }"
    " QLineEdit { padding: 3px; border: 1px solid #9aa7bf; border-radius: 3px; background: white; }"
    " QLineEdit[refuse=\"true\"] { border: 1px solid #b3261e; background: #fff4f3; }"
    " QPushButton { padding: 5px 12px; }"
    " QLabel#total { font-weight: bold; font-size: 11pt; color: #243b63; }"_s;

void drawOn(QPainter &painter, const QRectF &page, const OrderForm &form)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawOrderForm(painter, page, form, QDate::currentDate());
}

} // namespace

OrderFormWindow::OrderFormWindow(OrderKind kind, std::optional<std::vector<CatalogueItem>> catalogue,
                                 OrderOutput &output, QWidget *parent)
    : QDialog(parent), m_form(kind, catalogue.value_or(std::vector<CatalogueItem>{})), m_output(output)
{
    setObjectName(kind == OrderKind::Private ? u"BDC"_s : u"BD2"_s);
    setWindowTitle(m_form.title());
    setModal(true);
    setStyleSheet(kStyle);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 12);
    auto *title = new QLabel(m_form.title(), this);
    title->setObjectName(u"titre"_s);
    outer->addWidget(title);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 8, 16, 0);
    outer->addLayout(body);

    auto *buttons = new QHBoxLayout;
    auto *close = new QPushButton(u"Fermer"_s, this);
    close->setObjectName(u"fermer"_s);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    if (!catalogue) {
        auto *none = new QLabel(u"Ce cours ne propose pas de bon de commande."_s, this);
        none->setObjectName(u"sanscatalogue"_s);
        body->addWidget(none);
        buttons->addStretch();
        buttons->addWidget(close);
        body->addLayout(buttons);
        setFixedSize(420, 150);
        return;
    }

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    buildEntries(this, grid);
    body->addLayout(grid);

    const auto &items = m_form.catalogue();
    m_table = new QTableWidget(int(items.size()), 5, this);
    m_table->setObjectName(u"catalogue"_s);
    m_table->setHorizontalHeaderLabels(
        {u"Référence"_s, u"Article"_s, u"Prix unitaire"_s, u"Quantité"_s, u"Total"_s});
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int i = 0; i < int(items.size()); ++i) {
        const CatalogueItem &item = items[size_t(i)];
        m_table->setItem(i, 0, new QTableWidgetItem(item.reference));
        m_table->setItem(i, 1, new QTableWidgetItem(item.titre));
        auto *price = new QTableWidgetItem(FormatEuros(item.prixCents));
        price->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(i, 2, price);
        auto *spin = new QSpinBox(m_table);
        spin->setObjectName(u"quantite%1"_s.arg(i));
        spin->setRange(0, OrderForm::kMaxQuantity);
        spin->setAlignment(Qt::AlignRight);
        connect(spin, &QSpinBox::valueChanged, this, [this, i](int q) {
            m_form.setQuantity(i, q);
            updateTotals();
        });
        m_table->setCellWidget(i, 3, spin);
        auto *line = new QTableWidgetItem(FormatEuros(0));
        line->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(i, 4, line);
    }
    m_table->resizeColumnToContents(0);
    m_table->setColumnWidth(2, 100);
    m_table->setColumnWidth(3, 80);
    m_table->setColumnWidth(4, 100);
    body->addSpacing(8);
    body->addWidget(m_table, 1);

    m_total = new QLabel(this);
    m_total->setObjectName(u"total"_s);
    m_total->setAlignment(Qt::AlignRight);
    body->addWidget(m_total);
    m_status = new QLabel(this);
    m_status->setObjectName(u"etat"_s);
    m_status->setWordWrap(true);
    body->addWidget(m_status);

    auto *printButton = new QPushButton(u"Imprimer le bon de commande"_s, this);
    printButton->setObjectName(u"imprimer"_s);
    auto *pdfButton = new QPushButton(u"Exporter en PDF…"_s, this);
    pdfButton->setObjectName(u"exporter"_s);
    connect(printButton, &QPushButton::clicked, this, &OrderFormWindow::print);
    connect(pdfButton, &QPushButton::clicked, this, &OrderFormWindow::exportChosenPdf);
    buttons->addWidget(printButton);
    buttons->addWidget(pdfButton);
    buttons->addStretch();
    buttons->addWidget(close);
    body->addLayout(buttons);
    updateTotals();
    resize(720, kind == OrderKind::Private ? 560 : 640);
}

void OrderFormWindow::run(int form, const QString &applicationFolder, QWidget *parent)
{
    DialogOrderOutput output;
    OrderFormWindow window(form == 2 ? OrderKind::School : OrderKind::Private,
                           LoadOrderCatalogue(applicationFolder), output, parent);
    window.exec();
}

QString OrderFormWindow::objectNameOf(OrderField field)
{
    switch (field) {
    case OrderField::Name:
        return u"nom"_s;
    case OrderField::SchoolName:
        return u"etablissement"_s;
    case OrderField::Uai:
        return u"uai"_s;
    case OrderField::Contact:
        return u"contact"_s;
    case OrderField::Address:
        return u"adresse"_s;
    case OrderField::Postcode:
        return u"codepostal"_s;
    case OrderField::Town:
        return u"commune"_s;
    case OrderField::Email:
        return u"courriel"_s;
    case OrderField::Pupils:
        return u"eleves"_s;
    }
    return {};
}

void OrderFormWindow::buildEntries(QWidget *parent, QGridLayout *grid)
{
    int row = 0;
    for (OrderField f : m_form.fields()) {
        auto *caption = new QLabel(OrderForm::label(f) + u" :"_s, parent);
        auto *edit = new QLineEdit(parent);
        edit->setObjectName(objectNameOf(f));
        edit->setMinimumWidth(220);
        if (f == OrderField::Postcode)
            edit->setMaxLength(5);
        auto *error = new QLabel(parent);
        error->setObjectName(objectNameOf(f) + u"Erreur"_s);
        error->setProperty("erreur", true);
        error->setWordWrap(true);
        error->setMinimumWidth(260);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(error, row, 2);
        m_edits.insert(f, edit);
        m_errors.insert(f, error);
        connect(edit, &QLineEdit::textChanged, this, [this, f](const QString &text) {
            m_form.setEntry(f, text);
            // A refused entry is checked again as it is corrected.
            if (!m_errors[f]->text().isEmpty())
                showFieldError(f);
        });
        connect(edit, &QLineEdit::editingFinished, this, [this, f] {
            if (!m_edits[f]->text().isEmpty())
                showFieldError(f);
        });
        ++row;
    }
    grid->setColumnStretch(2, 1);
}

void OrderFormWindow::showFieldError(OrderField field)
{
    const QString why = OrderForm::checkField(field, m_form.entry(field));
    m_errors[field]->setText(why);
    QLineEdit *edit = m_edits[field];
    edit->setProperty("refuse", !why.isEmpty());
    edit->style()->unpolish(edit);
    edit->style()->polish(edit);
}

void OrderFormWindow::updateTotals()
{
    if (!m_table)
        return;
    for (int i = 0; i < m_table->rowCount(); ++i)
        m_table->item(i, 4)->setText(FormatEuros(m_form.lineTotal(i)));
    m_total->setText(u"Total : "_s + FormatEuros(m_form.total()));
    // The request for an item goes as soon as one is chosen.
    if (m_status && m_form.itemsError().isEmpty() && m_status->text() == u"Choisissez au moins un article.")
        setStatus({}, false);
}

void OrderFormWindow::setStatus(const QString &text, bool error)
{
    m_status->setText(text);
    m_status->setStyleSheet(error ? u"color: #b3261e;"_s : u"color: #1d6b2f;"_s);
}

bool OrderFormWindow::checkAll()
{
    for (OrderField f : m_form.fields())
        showFieldError(f);
    const QString items = m_form.itemsError();
    if (!m_form.isValid()) {
        setStatus(items.isEmpty() ? u"Le bon de commande est incomplet : corrigez les champs signalés."_s
                                  : items,
                  true);
        return false;
    }
    setStatus({}, false);
    return true;
}

void OrderFormWindow::print()
{
    if (!checkAll())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    if (!m_output.choosePrinter(printer, this)) {
        setStatus(u"Impression annulée."_s, false);
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        setStatus(u"L'imprimante n'a pas pu être utilisée : le bon de commande n'est pas imprimé."_s, true);
        return;
    }
    drawOn(painter, QRectF(0, 0, printer.width(), printer.height()), m_form);
    painter.end();
    setStatus(u"Le bon de commande a été envoyé à l'imprimante."_s, false);
}

void OrderFormWindow::exportChosenPdf()
{
    if (!checkAll())
        return;
    const QString path = m_output.choosePdfFile(this, QDir::home().filePath(u"bon-de-commande.pdf"_s));
    if (path.isEmpty()) {
        setStatus(u"Export annulé."_s, false);
        return;
    }
    exportPdf(path);
}

bool OrderFormWindow::exportPdf(const QString &path)
{
    if (!checkAll())
        return false;
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(m_form.title());
    writer.setCreator(u"Vorlane"_s);
    QPainter painter;
    if (!painter.begin(&writer)) {
        setStatus(u"Le fichier %1 n'a pas pu être écrit."_s.arg(QDir::toNativeSeparators(path)), true);
        return false;
    }
    drawOn(painter, QRectF(0, 0, writer.width(), writer.height()), m_form);
    if (!painter.end()) {
        setStatus(u"Le fichier %1 n'a pas pu être écrit."_s.arg(QDir::toNativeSeparators(path)), true);
        return false;
    }
    setStatus(u"Bon de commande enregistré dans %1."_s.arg(QDir::toNativeSeparators(path)), false);
    return true;
}

} // namespace vorlane
