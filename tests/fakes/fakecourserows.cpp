#include "fakes/fakecourserows.h"

namespace vorlane::testing {

bool FakeCourseRows::moveFirst()
{
    if (rows.empty())
        return false;
    m_position = 0;
    return true;
}

bool FakeCourseRows::moveLast()
{
    if (rows.empty())
        return false;
    m_position = int(rows.size()) - 1;
    return true;
}

bool FakeCourseRows::setAbsolutePosition(int position)
{
    ++positionSets;
    if (position < 0 || position >= int(rows.size()))
        return false;
    m_position = position;
    return true;
}

QString FakeCourseRows::field(const QString &name) const
{
    ++fieldReads;
    if (m_position < 0 || m_position >= int(rows.size()))
        return {};
    const Row &row = rows[size_t(m_position)];
    for (auto it = row.begin(); it != row.end(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

FakeCourseRows::Row FakeCourseRows::page(int numeropage, int index, const QString &titre, int sommaire)
{
    Row r;
    r[QStringLiteral("titre")] = titre.isEmpty() ? QStringLiteral("Page %1").arg(numeropage) : titre;
    r[QStringLiteral("Numeropage")] = QString::number(numeropage);
    r[QStringLiteral("Index")] = QString::number(index);
    r[QStringLiteral("precedent")] = QStringLiteral("0");
    r[QStringLiteral("suite")] = QStringLiteral("0");
    r[QStringLiteral("imprimable")] = QStringLiteral("1");
    r[QStringLiteral("moteur")] = QStringLiteral("1");
    r[QStringLiteral("debutimp")] = QString::number(numeropage);
    r[QStringLiteral("finimp")] = QString::number(numeropage);
    r[QStringLiteral("sommaire")] = QString::number(sommaire);
    r[QStringLiteral("fpc")] = QStringLiteral("Page %1\u00b6\r\n").arg(numeropage);
    return r;
}

} // namespace vorlane::testing
