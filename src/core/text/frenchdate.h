#pragma once

#include <QDate>
#include <QString>

namespace vorlane {

// "dd mmmm yyyy" in French ("08 décembre 2026"); empty for an invalid date.
QString FrenchLongDate(const QDate &date);

} // namespace vorlane
