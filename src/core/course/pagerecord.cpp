#include "core/course/pagerecord.h"

#include "core/text/decimal.h"

namespace vorlane {

int PageRecord::checkState(const QString &fieldText)
{
    const QString t = fieldText.trimmed();
    if (t.compare(u"true", Qt::CaseInsensitive) == 0)
        return 1;
    return DecimalRead(t) != 0 ? 1 : 0;
}

PageRecord PageRecord::read(const CourseRows &rows)
{
    PageRecord r;
    r.textitre = rows.field(CoursField::titre());
    r.textID = rows.field(CoursField::numeropage());
    r.checkpre = checkState(rows.field(CoursField::precedent()));
    r.checksui = checkState(rows.field(CoursField::suite()));
    r.checkimp = checkState(rows.field(CoursField::imprimable()));
    r.checkmot = checkState(rows.field(CoursField::moteur()));
    r.debimp = rows.field(CoursField::debutimp());
    r.finimp = rows.field(CoursField::finimp());
    r.textIndex = rows.field(CoursField::index());
    r.code = rows.field(CoursField::fpc());
    return r;
}

} // namespace vorlane
