#include "core/course/ordercatalogue.h"

#include "core/store/database.h"

#include <QRegularExpression>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace vorlane {

std::optional<qint64> ParseEuros(const QString &text)
{
    static const QRegularExpression kPrice(u"^(\\d{1,7})(?:[.,](\\d{1,2}))?$"_s);
    const QRegularExpressionMatch m = kPrice.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const qint64 euros = m.captured(1).toLongLong();
    QString cents = m.captured(2);
    if (cents.size() == 1)
        cents += u'0';
    const qint64 total = euros * 100 + (cents.isEmpty() ? 0 : cents.toLongLong());
    if (total > 100000000)
        return std::nullopt;
    return total;
}

std::optional<std::vector<CatalogueItem>> ParseOrderCatalogue(const QString &text, int *errorLine,
                                                              QString *error)
{
    std::vector<CatalogueItem> items;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const auto fail = [&](const QString &why) -> std::optional<std::vector<CatalogueItem>> {
            if (errorLine)
                *errorLine = i + 1;
            if (error)
                *error = why;
            return std::nullopt;
        };
        const QStringList cells = line.split(u'\t');
        if (cells.size() != 3)
            return fail(u"expected reference, title and price separated by tabs"_s);
        CatalogueItem item{cells[0].trimmed(), cells[1].trimmed(), 0};
        if (item.reference.isEmpty() || item.titre.isEmpty())
            return fail(u"empty reference or title"_s);
        const std::optional<qint64> price = ParseEuros(cells[2]);
        if (!price)
            return fail(u"bad price \"%1\" (euros, e.g. 12,50)"_s.arg(cells[2]));
        item.prixCents = *price;
        items.push_back(item);
    }
    return items;
}

std::optional<std::vector<CatalogueItem>> ReadOrderCatalogue(const Database &database)
{
    const QString table = database.findTable(u"Commande");
    if (table.isEmpty())
        return std::nullopt;
    const TableRead read = database.readTable(table);
    std::vector<CatalogueItem> items;
    const TableRows &rows = read.rows;
    for (int r = 0; r < rows.rowCount(); ++r) {
        bool ok = false;
        const qint64 cents = rows.value(r, u"prix").toLongLong(&ok);
        const QString reference = rows.value(r, u"reference").trimmed();
        if (!ok || cents < 0 || reference.isEmpty())
            continue;
        items.push_back({reference, rows.value(r, u"titre").trimmed(), cents});
    }
    return items;
}

std::optional<std::vector<CatalogueItem>> LoadOrderCatalogue(const QString &applicationFolder)
{
    Database database;
    if (database.open(applicationFolder, u"PcTs"_s) != StoreStatus::Ok)
        return std::nullopt;
    return ReadOrderCatalogue(database);
}

} // namespace vorlane
