#include "core/text/frenchdate.h"

using namespace Qt::Literals::StringLiterals;

namespace vorlane {

QString FrenchLongDate(const QDate &date)
{
    // Month names are fixed here rather than taken from the system locale: the
    // whole interface is French whatever the desktop's language.
    static const char16_t *const kMonths[12] = {u"janvier",   u"février", u"mars",     u"avril",
                                                u"mai",       u"juin",    u"juillet",  u"août",
                                                u"septembre", u"octobre", u"novembre", u"décembre"};
    if (!date.isValid())
        return {};
    return u"%1 %2 %3"_s.arg(date.day(), 2, 10, QChar(u'0'))
        .arg(QString::fromUtf16(kMonths[date.month() - 1]))
        .arg(date.year(), 4, 10, QChar(u'0'));
}

} // namespace vorlane
