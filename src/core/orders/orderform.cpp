#include "core/orders/orderform.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace vorlane {

QString FormatEuros(qint64 cents)
{
    const bool negative = cents < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(cents) : quint64(cents);
    QString whole = QString::number(magnitude / 100);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u' ');
    return (negative ? u"-"_s : QString()) + whole + u',' +
           QString::number(magnitude % 100).rightJustified(2, u'0') + u" €"_s;
}

OrderForm::OrderForm(OrderKind kind, std::vector<CatalogueItem> catalogue)
    : m_kind(kind), m_catalogue(std::move(catalogue)), m_quantities(m_catalogue.size(), 0)
{
}

QString OrderForm::title(OrderKind kind)
{
    return kind == OrderKind::Private ? u"Bon de commande - particulier"_s
                                      : u"Bon de commande - établissement"_s;
}

QList<OrderField> OrderForm::fields(OrderKind kind)
{
    using F = OrderField;
    if (kind == OrderKind::Private)
        return {F::Name, F::Address, F::Postcode, F::Town, F::Email};
    return {F::SchoolName, F::Uai, F::Contact, F::Address, F::Postcode, F::Town, F::Email, F::Pupils};
}

QString OrderForm::label(OrderField field)
{
    switch (field) {
    case OrderField::Name:
        return u"Nom et prénom"_s;
    case OrderField::SchoolName:
        return u"Établissement"_s;
    case OrderField::Uai:
        return u"Numéro UAI"_s;
    case OrderField::Contact:
        return u"Personne à contacter"_s;
    case OrderField::Address:
        return u"Adresse"_s;
    case OrderField::Postcode:
        return u"Code postal"_s;
    case OrderField::Town:
        return u"Commune"_s;
    case OrderField::Email:
        return u"Adresse électronique"_s;
    case OrderField::Pupils:
        return u"Nombre d'élèves"_s;
    }
    return {};
}

void OrderForm::setQuantity(int item, int quantity)
{
    if (item < 0 || item >= int(m_quantities.size()))
        return;
    m_quantities[size_t(item)] = qBound(0, quantity, kMaxQuantity);
}

int OrderForm::quantity(int item) const
{
    return item >= 0 && item < int(m_quantities.size()) ? m_quantities[size_t(item)] : 0;
}

qint64 OrderForm::lineTotal(int item) const
{
    if (item < 0 || item >= int(m_catalogue.size()))
        return 0;
    return m_catalogue[size_t(item)].prixCents * quantity(item);
}

qint64 OrderForm::total() const
{
    qint64 sum = 0;
    for (int i = 0; i < int(m_catalogue.size()); ++i)
        sum += lineTotal(i);
    return sum;
}

QString OrderForm::checkField(OrderField field, const QString &text)
{
    static const QRegularExpression kPostcode(u"^\\d{5}$"_s);
    static const QRegularExpression kUai(u"^\\d{7}[A-Za-z]$"_s);
    static const QRegularExpression kEmail(u"^[^@\\s]+@[^@\\s.]+(\\.[^@\\s.]+)+$"_s);
    static const QRegularExpression kPupils(u"^\\d{1,4}$"_s);
    const QString t = text.trimmed();
    switch (field) {
    case OrderField::Name:
        return t.isEmpty() ? u"Indiquez votre nom et votre prénom."_s : QString();
    case OrderField::SchoolName:
        return t.isEmpty() ? u"Indiquez le nom de l'établissement."_s : QString();
    case OrderField::Contact:
        return t.isEmpty() ? u"Indiquez la personne à contacter."_s : QString();
    case OrderField::Address:
        return t.isEmpty() ? u"Indiquez l'adresse."_s : QString();
    case OrderField::Town:
        return t.isEmpty() ? u"Indiquez la commune."_s : QString();
    case OrderField::Postcode:
        return kPostcode.match(t).hasMatch() ? QString()
                                             : u"Le code postal compte 5 chiffres (exemple : 75005)."_s;
    case OrderField::Uai:
        return kUai.match(t).hasMatch()
                   ? QString()
                   : u"Le numéro UAI compte 7 chiffres suivis d'une lettre (exemple : 0750001A)."_s;
    case OrderField::Email:
        return kEmail.match(t).hasMatch()
                   ? QString()
                   : u"L'adresse électronique n'est pas valide (exemple : nom@domaine.fr)."_s;
    case OrderField::Pupils:
        if (kPupils.match(t).hasMatch() && t.toInt() >= 1)
            return {};
        return u"Indiquez le nombre d'élèves : un nombre entier de 1 à 9999."_s;
    }
    return {};
}

QMap<OrderField, QString> OrderForm::fieldErrors() const
{
    QMap<OrderField, QString> errors;
    for (OrderField f : fields()) {
        const QString why = checkField(f, entry(f));
        if (!why.isEmpty())
            errors.insert(f, why);
    }
    return errors;
}

QString OrderForm::itemsError() const
{
    for (int q : m_quantities) {
        if (q > 0)
            return {};
    }
    return u"Choisissez au moins un article."_s;
}

} // namespace vorlane
