#pragma once

#include <QString>
#include <ostream>

// Lets GoogleTest print QStrings in its failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace vorlane::testing {
inline QString dataDir() { return QStringLiteral(VORLANE_TEST_DATA_DIR); }
}
