#include "core/course/coursesources.h"

#include "core/store/sqlitefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVariantList>

namespace vorlane {

QString SourceError::text() const
{
    if (line > 0)
        return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message);
    return QStringLiteral("%1: %2").arg(file, message);
}

namespace {

// Fills `error` (when given) and returns false, so that callers can write
// one-line early exits.
bool fail(SourceError *error, const QString &file, int line, const QString &message)
{
    if (error)
        *error = {file, line, message};
    return false;
}

struct Section {
    QString name; // after "@@", e.g. "corps", "question 1", "texte"
    int line = 0;
    QStringList lines;
    std::vector<int> lineNumbers; // the source line of each of `lines`
};

struct Parsed {
    std::vector<std::pair<QString, QString>> header;
    std::vector<int> headerLines;
    std::vector<Section> sections;
};

QStringList splitLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    // A final newline ends the last line; it does not start an empty one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &l : lines) {
        if (l.endsWith(u'\r'))
            l.chop(1);
    }
    return lines;
}

bool parse(const QString &fileName, const QString &text, Parsed &out, SourceError *error)
{
    const QStringList lines = splitLines(text);
    for (int i = 0; i < lines.size(); ++i) {
        const QString &l = lines[i];
        if (l.startsWith(u"@@")) {
            out.sections.push_back({l.mid(2).trimmed(), i + 1, {}, {}});
            continue;
        }
        if (!out.sections.empty() && out.sections.back().name != u"" &&
            !out.sections.back().name.startsWith(u"question")) {
            out.sections.back().lines.append(l);
            out.sections.back().lineNumbers.push_back(i + 1);
            continue;
        }
        // Header lines: the file's, or those of a "@@question N" section.
        if (l.trimmed().isEmpty())
            continue;
        const qsizetype colon = l.indexOf(u':');
        if (colon <= 0)
            return fail(error, fileName, i + 1,
                        QStringLiteral("expected \"key: value\", found \"%1\"").arg(l));
        const QString key = l.left(colon).trimmed();
        const QString value = l.mid(colon + 1).trimmed();
        if (out.sections.empty()) {
            out.header.emplace_back(key, value);
            out.headerLines.push_back(i + 1);
        } else {
            out.sections.back().lines.append(key + u'\x1f' + value);
            out.sections.back().lineNumbers.push_back(i + 1);
        }
    }
    return true;
}

QString bodyOf(const QStringList &lines)
{
    QString body;
    for (const QString &l : lines) {
        body += l;
        body += QStringLiteral("\r\n");
    }
    return body;
}

// Reads the typed values of header lines, reporting the file and line of a bad one.
struct FieldReader {
    const QString &file;
    SourceError *error;

    bool whole(int line, const QString &key, const QString &value, int &out) const
    {
        bool ok = false;
        const int v = value.toInt(&ok);
        if (!ok)
            return fail(error, file, line,
                        QStringLiteral("%1: \"%2\" is not a whole number").arg(key, value));
        out = v;
        return true;
    }
    bool number(int line, const QString &key, const QString &value, double &out) const
    {
        bool ok = false;
        const double v = value.toDouble(&ok);
        if (!ok)
            return fail(error, file, line, QStringLiteral("%1: \"%2\" is not a number").arg(key, value));
        out = v;
        return true;
    }
    bool yesNo(int line, const QString &key, const QString &value, bool &out) const
    {
        if (value != u"oui" && value != u"non")
            return fail(error, file, line, QStringLiteral("%1: \"%2\" must be oui or non").arg(key, value));
        out = value == u"oui";
        return true;
    }
};

} // namespace

std::optional<CoursePage> ParsePageSource(const QString &fileName, const QString &text, SourceError *error)
{
    Parsed p;
    if (!parse(fileName, text, p, error))
        return std::nullopt;
    const FieldReader read{fileName, error};
    CoursePage page;
    page.source = fileName;
    bool haveNumber = false, haveIndex = false;
    for (size_t i = 0; i < p.header.size(); ++i) {
        const auto &[key, value] = p.header[i];
        const int line = p.headerLines[i];
        bool ok = true;
        if (key == u"titre")
            page.titre = value;
        else if (key == u"Numeropage")
            ok = read.whole(line, key, value, page.numeropage), haveNumber = ok, page.numeropageLine = line;
        else if (key == u"Index")
            ok = read.whole(line, key, value, page.index), haveIndex = ok, page.indexLine = line;
        else if (key == u"precedent")
            ok = read.yesNo(line, key, value, page.precedent);
        else if (key == u"suite")
            ok = read.yesNo(line, key, value, page.suite);
        else if (key == u"imprimable")
            ok = read.yesNo(line, key, value, page.imprimable);
        else if (key == u"moteur")
            ok = read.yesNo(line, key, value, page.moteur);
        else if (key == u"debutimp")
            ok = read.number(line, key, value, page.debutimp);
        else if (key == u"finimp")
            ok = read.number(line, key, value, page.finimp);
        else if (key == u"sommaire")
            ok = read.whole(line, key, value, page.sommaire), page.sommaireLine = line;
        else {
            fail(error, fileName, line, QStringLiteral("unknown field \"%1\"").arg(key));
            return std::nullopt;
        }
        if (!ok)
            return std::nullopt;
    }
    if (!haveNumber || !haveIndex) {
        fail(error, fileName, 0, QStringLiteral("a page needs Numeropage and Index"));
        return std::nullopt;
    }
    for (const Section &s : p.sections) {
        if (s.name != u"corps") {
            fail(error, fileName, s.line, QStringLiteral("unknown section \"@@%1\"").arg(s.name));
            return std::nullopt;
        }
        if (page.bodyLine > 0 && page.repeatedBodyLine == 0)
            page.repeatedBodyLine = s.line;
        page.fpc = bodyOf(s.lines);
        page.bodyLine = s.line + 1;
    }
    return page;
}

std::optional<ChapterTest> ParseTestSource(const QString &fileName, const QString &text, SourceError *error)
{
    Parsed p;
    if (!parse(fileName, text, p, error))
        return std::nullopt;
    const FieldReader read{fileName, error};
    ChapterTest test;
    test.source = fileName;
    bool haveChapter = false;
    int nbquest = -1;
    for (size_t i = 0; i < p.header.size(); ++i) {
        const auto &[key, value] = p.header[i];
        const int line = p.headerLines[i];
        bool ok = true;
        if (key == u"Chapitre") {
            ok = read.whole(line, key, value, test.chapitre), haveChapter = ok;
            // The test window keeps the chapter in 16 bits, and REFERENCE
            // (chapter x 100 + question) must not overflow.
            if (ok &&
                (test.chapitre < ChapterTest::kMinChapter || test.chapitre > ChapterTest::kMaxChapter)) {
                fail(error, fileName, line,
                     QStringLiteral("Chapitre: \"%1\" is outside %2 to %3")
                         .arg(value)
                         .arg(ChapterTest::kMinChapter)
                         .arg(ChapterTest::kMaxChapter));
                return std::nullopt;
            }
        } else if (key == u"Titre")
            test.titre = value;
        else if (key == u"Nbquest")
            ok = read.whole(line, key, value, nbquest);
        else {
            fail(error, fileName, line, QStringLiteral("unknown field \"%1\"").arg(key));
            return std::nullopt;
        }
        if (!ok)
            return std::nullopt;
    }
    if (!haveChapter) {
        fail(error, fileName, 0, QStringLiteral("a test needs Chapitre"));
        return std::nullopt;
    }
    TestQuestion *current = nullptr;
    for (const Section &s : p.sections) {
        if (s.name.startsWith(u"question")) {
            bool ok = false;
            const int n = s.name.mid(8).trimmed().toInt(&ok);
            if (!ok || n < 1 || n > ChapterTest::kMaxQuestion) {
                fail(error, fileName, s.line,
                     QStringLiteral("\"@@%1\": question numbers run from 1 to 100").arg(s.name));
                return std::nullopt;
            }
            test.questions.push_back({});
            current = &test.questions.back();
            current->number = n;
            current->line = s.line;
            for (size_t k = 0; k < size_t(s.lines.size()); ++k) {
                const QString &kv = s.lines[qsizetype(k)];
                const int kvLine = s.lineNumbers[k];
                const QString key = kv.section(u'\x1f', 0, 0);
                const QString value = kv.section(u'\x1f', 1);
                if (key == u"type") {
                    if (!read.whole(kvLine, key, value, current->type))
                        return std::nullopt;
                    current->typeLine = kvLine;
                } else if (key == u"solution") {
                    current->solution = value;
                    current->solutionLine = kvLine;
                } else {
                    fail(error, fileName, kvLine, QStringLiteral("unknown question field \"%1\"").arg(key));
                    return std::nullopt;
                }
            }
        } else if (current && s.name == u"texte") {
            if (current->questionLine > 0 && current->repeatedLine == 0)
                current->repeatedLine = s.line;
            current->question = bodyOf(s.lines);
            current->questionLine = s.line + 1;
        } else if (current && s.name == u"sifaux") {
            if (current->siFauxLine > 0 && current->repeatedLine == 0)
                current->repeatedLine = s.line;
            current->siFaux = bodyOf(s.lines);
            current->siFauxLine = s.line + 1;
        } else {
            fail(error, fileName, s.line, QStringLiteral("unexpected section \"@@%1\"").arg(s.name));
            return std::nullopt;
        }
    }
    test.nbquest = nbquest >= 0 ? nbquest : int(test.questions.size());
    return test;
}

namespace {

// The optional catalogue of the order forms.
bool readCatalogue(const QString &path, CourseSources &out, SourceError *error)
{
    QFile f(path);
    if (!f.exists())
        return true;
    if (!f.open(QIODevice::ReadOnly))
        return fail(error, path, 0, QStringLiteral("cannot be read"));
    int line = 0;
    QString why;
    out.catalogue = ParseOrderCatalogue(QString::fromUtf8(f.readAll()), &line, &why);
    if (!out.catalogue)
        return fail(error, path, line, why);
    return true;
}

} // namespace

std::optional<CourseSources> ReadCourseSources(const QString &folder, SourceError *error)
{
    QDir dir(folder);
    if (!dir.exists()) {
        fail(error, folder, 0, QStringLiteral("no such course folder"));
        return std::nullopt;
    }
    CourseSources out;
    // Parses every file of `sub` matching `pattern`, in name order, into `into`.
    auto parseAll = [&](const QString &sub, const QString &pattern, auto parse, auto &into) {
        const QDir folder(dir.filePath(sub));
        for (const QFileInfo &fi : folder.entryInfoList({pattern}, QDir::Files, QDir::Name)) {
            QFile f(fi.filePath());
            if (!f.open(QIODevice::ReadOnly))
                return fail(error, fi.filePath(), 0, QStringLiteral("cannot be read"));
            auto parsed = parse(fi.filePath(), QString::fromUtf8(f.readAll()), error);
            if (!parsed)
                return false;
            into.push_back(std::move(*parsed));
        }
        return true;
    };
    if (!parseAll(QStringLiteral("pages"), QStringLiteral("*.page"), ParsePageSource, out.pages) ||
        !parseAll(QStringLiteral("tests"), QStringLiteral("*.test"), ParseTestSource, out.tests))
        return std::nullopt;
    if (!readCatalogue(dir.filePath(QStringLiteral("commande.txt")), out, error))
        return std::nullopt;
    const QDir data(dir.filePath(QStringLiteral("data")));
    for (const QFileInfo &fi : data.entryInfoList(QDir::Files, QDir::Name))
        out.dataFiles.append(fi.absoluteFilePath());
    return out;
}

namespace {

bool replaceFile(const QString &temp, const QString &target, QString *error)
{
    QFile::remove(target);
    if (QFile::rename(temp, target))
        return true;
    if (error)
        *error = QStringLiteral("cannot write %1").arg(target);
    QFile::remove(temp);
    return false;
}

bool cannotCreate(const QString &path, QString *error)
{
    if (error)
        *error = QStringLiteral("cannot create %1").arg(path);
    return false;
}

// The error of a row, prefixed with the source file it came from.
bool rowFailed(const QString &source, const QString &message, QString *error)
{
    if (error)
        *error = QStringLiteral("%1: %2").arg(source, message);
    return false;
}

bool writeCatalogue(SqliteFile &file, const std::vector<CatalogueItem> &items, QString *error)
{
    if (!file.execute(QStringLiteral("CREATE TABLE Commande (reference TEXT, titre TEXT, prix INTEGER)"),
                      error))
        return false;
    QString message;
    for (const CatalogueItem &item : items) {
        if (!file.insertRow(u"Commande", {item.reference, item.titre, item.prixCents}, &message))
            return rowFailed(QStringLiteral("commande.txt"), message, error);
    }
    return true;
}

bool writeCourse(const CourseSources &sources, const QString &path, QString *error)
{
    SqliteFile file;
    if (!file.create(path))
        return cannotCreate(path, error);
    if (!file.execute(QStringLiteral("CREATE TABLE Cours (titre TEXT, Numeropage INTEGER, \"Index\" INTEGER, "
                                     "precedent INTEGER, suite INTEGER, imprimable INTEGER, moteur INTEGER, "
                                     "debutimp REAL, finimp REAL, fpc TEXT, sommaire INTEGER)"),
                      error))
        return false;
    file.beginTransaction();
    QString message;
    for (const CoursePage &p : sources.pages) {
        const QVariantList values = {
            p.titre,           p.numeropage,  p.index,    int(p.precedent), int(p.suite),
            int(p.imprimable), int(p.moteur), p.debutimp, p.finimp,         p.fpc,
            p.sommaire};
        if (!file.insertRow(u"Cours", values, &message))
            return rowFailed(p.source, message, error);
    }
    // The page numbers and orders in one index: start-up reads the keys of
    // every page from it alone, without a page of the table.
    if (!file.execute(QStringLiteral("CREATE INDEX Cours_cles ON Cours (Numeropage, \"Index\")"), error))
        return false;
    if (sources.catalogue && !writeCatalogue(file, *sources.catalogue, error))
        return false;
    return file.commit();
}

bool writeTests(const CourseSources &sources, const QString &path, QString *error)
{
    SqliteFile file;
    if (!file.create(path))
        return cannotCreate(path, error);
    if (!file.execute(
            QStringLiteral("CREATE TABLE DESCRIPTION (Chapitre INTEGER, Titre TEXT, Nbquest INTEGER)"),
            error) ||
        !file.execute(QStringLiteral("CREATE TABLE Contenu (REFERENCE INTEGER, question TEXT, type INTEGER, "
                                     "solution TEXT, SiFaux TEXT)"),
                      error))
        return false;
    file.beginTransaction();
    QString message;
    for (const ChapterTest &t : sources.tests) {
        if (!file.insertRow(u"DESCRIPTION", {t.chapitre, t.titre, t.nbquest}, &message))
            return rowFailed(t.source, message, error);
        for (const TestQuestion &qu : t.questions) {
            if (!file.insertRow(u"Contenu",
                                {t.chapitre * 100 + qu.number, qu.question, qu.type, qu.solution, qu.siFaux},
                                &message))
                return rowFailed(t.source, message, error);
        }
    }
    return file.commit();
}

} // namespace

bool WriteCourseDatabases(const CourseSources &sources, const QString &applicationFolder, QString *error)
{
    QDir dir(applicationFolder);
    if (!dir.exists() && !QDir().mkpath(applicationFolder)) {
        if (error)
            *error = QStringLiteral("cannot create folder %1").arg(applicationFolder);
        return false;
    }
    const QString course = dir.filePath(QStringLiteral("PcTs.sqlite"));
    const QString tests = dir.filePath(QStringLiteral("tcTs.sqlite"));
    const QString courseTemp = course + QStringLiteral(".new");
    const QString testsTemp = tests + QStringLiteral(".new");
    QFile::remove(courseTemp);
    QFile::remove(testsTemp);
    if (!writeCourse(sources, courseTemp, error) || !writeTests(sources, testsTemp, error)) {
        QFile::remove(courseTemp);
        QFile::remove(testsTemp);
        return false;
    }
    if (!replaceFile(courseTemp, course, error) || !replaceFile(testsTemp, tests, error))
        return false;
    for (const QString &src : sources.dataFiles) {
        const QString target = dir.filePath(QFileInfo(src).fileName());
        QFile::remove(target);
        if (!QFile::copy(src, target)) {
            if (error)
                *error = QStringLiteral("cannot copy %1").arg(src);
            return false;
        }
    }
    return true;
}

} // namespace vorlane
