#include "core/course/coursetable.h"

#include "core/course/pagerecord.h"

namespace vorlane {

CourseOpener::Result CourseTable::open(const QString &databasePath)
{
    m_control.setDatabaseName(databasePath);
    m_control.setRecordSource(QStringLiteral("Cours"));
    // Start-up needs the page number and order of every page (the page index);
    // the rest of a page, its body above all, only when it is shown.
    m_control.setDeferredColumns({CoursField::titre(), CoursField::precedent(), CoursField::suite(),
                                  CoursField::imprimable(), CoursField::moteur(), CoursField::debutimp(),
                                  CoursField::finimp(), CoursField::fpc(), CoursField::sommaire()});
    if (m_control.refresh() != StoreStatus::Ok)
        return Result::Unreadable;
    if (m_control.database().openRecordset(u"cours") != StoreStatus::Ok)
        return Result::Unreadable;
    return Result::Opened;
}

CourseOpener::Result CourseTable::finishOpening()
{
    return m_control.awaitDeferred() == StoreStatus::Ok ? Result::Opened : Result::Unreadable;
}

} // namespace vorlane
