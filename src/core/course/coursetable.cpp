#include "core/course/coursetable.h"

namespace vorlane {

CourseOpener::Result CourseTable::open(const QString &databasePath)
{
    m_control.setDatabaseName(databasePath);
    m_control.setRecordSource(QStringLiteral("Cours"));
    if (m_control.refresh() != StoreStatus::Ok)
        return Result::Unreadable;
    if (m_control.database().openRecordset(u"cours") != StoreStatus::Ok)
        return Result::Unreadable;
    return Result::Opened;
}

} // namespace vorlane
