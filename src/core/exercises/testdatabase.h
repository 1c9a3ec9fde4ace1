#pragma once

#include "core/store/datacontrol.h"

#include <QString>
#include <optional>

namespace vorlane {

struct ExerciseState;

// The test database tcTs of a course folder, read through two data controls:
// `Data1` on DESCRIPTION (Chapitre, Titre, Nbquest: one row per chapter test)
// and `Data2` on Contenu (REFERENCE = chapter x 100 + question number,
// question, type, solution, SiFaux: one row per question). Rows may be stored
// in any order. Read-only unless the author makes it writable.
class TestDatabase {
public:
    explicit TestDatabase(AccessReaderOptions access = {});

    // Points both data controls at `folder`/tcTs and reads DESCRIPTION. A
    // failing step is skipped (the tables then read as empty).
    void open(const QString &folder);

    // Loading the description: every DESCRIPTION row is visited in stored
    // order; a row whose Chapitre equals the pending test gives its Titre and
    // its Nbquest (questionCount); when several rows match, the last one wins.
    // Without a matching row the title is nullopt and questionCount is kept.
    // Then currentQuestion 0 or above questionCount becomes 1, and Contenu is
    // read.
    std::optional<QString> loadDescription(ExerciseState &state);

    // Makes current the first Contenu row, in stored order, whose REFERENCE is
    // pendingExercise x 100 + currentQuestion; without one the last row stays
    // current. False when no row matched.
    bool findQuestion(const ExerciseState &state);

    // Fields of the current Contenu row.
    QString question() const { return m_contenu.field(u"question"); }
    QString solution() const { return m_contenu.field(u"solution"); }
    QString siFaux() const { return m_contenu.field(u"SiFaux"); }
    // `type` read as a number (0 when it is not one).
    int type() const;

    // ---- Authoring -----------------------------------------------------------

    // True when the question markup can be written (a SQLite file reopened
    // writable).
    bool writable() const;
    // Makes the database writable. An Access file is never written: it is
    // first copied, both tables whole, into tcTs.sqlite beside it, which is
    // read from then on. Both tables are read again (the caller finds its
    // question again). False with a French reason when that cannot be done (a
    // read-only folder, a damaged file).
    bool makeWritable(QString *reason);
    // Stores `markup` in the `question` field of the current Contenu row,
    // making the database writable first. False with a French reason when it
    // cannot be stored; nothing is then changed.
    bool storeQuestion(const ExerciseState &state, const QString &markup, QString *reason);

    // The question keys: 703 is chapter 7, question 3.
    static double reference(double chapter, double question) { return chapter * 100 + question; }

    DataControl &description() { return m_description; }
    DataControl &contenu() { return m_contenu; }
    const QString &folder() const { return m_folder; }

private:
    QString m_folder;
    DataControl m_description;
    DataControl m_contenu;
};

} // namespace vorlane
