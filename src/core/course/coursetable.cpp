#include "core/course/coursetable.h"

#include "core/course/pagerecord.h"

namespace vorlane {

CourseOpener::Result CourseTable::open(const QString &databasePath)
{
    m_control.setDatabaseName(databasePath);
    m_control.setRecordSource(QStringLiteral("Cours"));
    // A page's fields are read when it is shown, its body above all. Start-up
    // needs only the number of rows when the page index comes from its cache;
    // a rebuild reads the page numbers and orders of every row at once
    // (readColumnsWhole). An Access file cannot be read by row: its page
    // numbers and orders come first, the rest in one pass in the background.
    QStringList deferred = {CoursField::titre(),      CoursField::precedent(), CoursField::suite(),
                            CoursField::imprimable(), CoursField::moteur(),    CoursField::debutimp(),
                            CoursField::finimp(),     CoursField::fpc(),       CoursField::sommaire()};
    if (m_control.databaseKind() == Database::Kind::Sqlite)
        deferred << CoursField::numeropage() << CoursField::index();
    m_control.setDeferredColumns(deferred);
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
