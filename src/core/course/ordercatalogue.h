#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace vorlane {

class Database;

// One item of the order forms' catalogue: table `Commande` of the course
// database (reference, titre, prix in whole cents).
struct CatalogueItem {
    QString reference;
    QString titre;
    qint64 prixCents = 0;
};

// The catalogue source commande.txt: one item per line, "reference<TAB>title
// <TAB>price" with the price in euros ("12,50", "12.50" or "12"); blank lines
// and lines starting with "#" are passed over. On a bad line, nullopt, with
// its 1-based number and the reason in `errorLine` / `error`.
std::optional<std::vector<CatalogueItem>> ParseOrderCatalogue(const QString &text, int *errorLine,
                                                              QString *error);

// A price in euros ("12,50", "12.5", "12") as whole cents; nullopt for
// anything else (negative, more than two decimals, above 1 000 000 euros).
std::optional<qint64> ParseEuros(const QString &text);

// The table `Commande` of an open course database; nullopt when the database
// has no such table (an Access course). Rows with an empty reference or a
// price that is not a whole number of cents from 0 up are passed over.
std::optional<std::vector<CatalogueItem>> ReadOrderCatalogue(const Database &database);

// The same from the course database of an application folder (PcTs.sqlite,
// else PcTs.mdb); nullopt when there is no readable course or no table.
std::optional<std::vector<CatalogueItem>> LoadOrderCatalogue(const QString &applicationFolder);

} // namespace vorlane
