#pragma once

#include "core/course/ordercatalogue.h"

#include <QList>
#include <QMap>
#include <QString>
#include <vector>

namespace vorlane {

// The two order forms: "BDC" for a pupil or a family, "BD2" for a school.
enum class OrderKind { Private = 1, School = 2 };

// The fields a form asks for.
enum class OrderField { Name, SchoolName, Uai, Contact, Address, Postcode, Town, Email, Pupils };

// "12,50 €": whole cents, two decimals after a comma, thousands grouped by a
// space ("1 234,50 €"), a minus sign for a negative amount.
QString FormatEuros(qint64 cents);

// An order being filled in: the entries of the fields and the quantity of
// each catalogue item. Quantities are 0..kMaxQuantity.
class OrderForm {
public:
    static constexpr int kMaxQuantity = 999;

    OrderForm(OrderKind kind, std::vector<CatalogueItem> catalogue);

    OrderKind kind() const { return m_kind; }
    // "Bon de commande - particulier" / "Bon de commande - établissement".
    static QString title(OrderKind kind);
    QString title() const { return title(m_kind); }

    // The fields of the form, in the order they are shown.
    static QList<OrderField> fields(OrderKind kind);
    QList<OrderField> fields() const { return fields(m_kind); }
    // The caption shown before a field ("Code postal").
    static QString label(OrderField field);

    void setEntry(OrderField field, const QString &text) { m_entries[field] = text; }
    QString entry(OrderField field) const { return m_entries.value(field); }

    const std::vector<CatalogueItem> &catalogue() const { return m_catalogue; }
    // Out of range items are ignored; quantities are clamped to 0..kMaxQuantity.
    void setQuantity(int item, int quantity);
    int quantity(int item) const;
    qint64 lineTotal(int item) const;
    qint64 total() const;

    // Why an entry is refused (a French sentence), empty when it is accepted.
    static QString checkField(OrderField field, const QString &text);
    // Every refused field of this form with its message; empty when all are
    // accepted.
    QMap<OrderField, QString> fieldErrors() const;
    // "Choisissez au moins un article." when every quantity is 0; empty
    // otherwise.
    QString itemsError() const;
    bool isValid() const { return fieldErrors().isEmpty() && itemsError().isEmpty(); }

private:
    OrderKind m_kind;
    std::vector<CatalogueItem> m_catalogue;
    std::vector<int> m_quantities;
    QMap<OrderField, QString> m_entries;
};

} // namespace vorlane
