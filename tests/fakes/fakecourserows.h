#pragma once

#include "core/course/courserows.h"

#include <QMap>
#include <QString>
#include <vector>

namespace vorlane::testing {

// An in-memory course table: rows of field texts, a current row, and counters
// of what the code under test did with it.
class FakeCourseRows final : public CourseRows {
public:
    using Row = QMap<QString, QString>;

    bool moveFirst() override;
    bool moveLast() override;
    int absolutePosition() const override { return m_position; }
    bool setAbsolutePosition(int position) override;
    QString field(const QString &name) const override;

    // A page row with the usual fields; the body and the other fields can be
    // changed afterwards through rows.
    static Row page(int numeropage, int index, const QString &titre = QString(), int sommaire = 1);

    std::vector<Row> rows;
    int positionSets = 0; // setAbsolutePosition calls
    mutable int fieldReads = 0;

private:
    int m_position = -1;
};

} // namespace vorlane::testing
