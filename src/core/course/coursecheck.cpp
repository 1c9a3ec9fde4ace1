#include "core/course/coursecheck.h"

#include "core/render/markupsyntax.h"
#include "core/text/answerfold.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <map>

namespace vorlane {

QString CourseFinding::text() const
{
    if (line > 0)
        return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message);
    return QStringLiteral("%1: %2").arg(file, message);
}

namespace {

struct Checker {
    const CourseSources &sources;
    std::vector<CourseFinding> &findings;
    QSet<int> pageNumbers;
    QSet<int> chapters;
    QSet<QString> dataNames; // lower case

    void add(const QString &file, int line, const QString &message)
    {
        findings.push_back({file, line, message, false});
    }

    void checkLink(const QString &file, int line, const MarkupSyntax::Link &link)
    {
        if (link.pageNumberOnly) {
            bool ok = false;
            const int page = link.target.trimmed().toInt(&ok);
            if (!ok)
                add(file, line, QStringLiteral("link to \"%1\", which is no page number").arg(link.target));
            else if (!pageNumbers.contains(page))
                add(file, line, QStringLiteral("link to page %1, which no page has").arg(page));
            return;
        }
        const MarkupSyntax::Target t = MarkupSyntax::readTarget(link.target);
        if (!t.known)
            add(file, line, QStringLiteral("link to \"%1\", which is no target code").arg(link.target));
        else if (t.page && !pageNumbers.contains(*t.page))
            add(file, line, QStringLiteral("link to page %1, which no page has").arg(*t.page));
        else if (t.test && !chapters.contains(*t.test))
            add(file, line, QStringLiteral("link to test %1, which no test has").arg(*t.test));
    }

    // Returns the number of EXOOP, EXOCK and EXOTX lines, for the question checks.
    struct Controls {
        int options = 0, checks = 0, texts = 0;
    };
    Controls checkBody(const QString &file, int firstLine, const QString &body)
    {
        Controls controls;
        const QStringList lines = body.split(QStringLiteral("\r\n"));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString &l = lines[i];
            if (!l.startsWith(u"##"))
                continue;
            const int line = firstLine + int(i);
            const QStringView command = QStringView(l).sliced(2);
            const QString problem = MarkupSyntax::problem(command);
            if (!problem.isEmpty()) {
                add(file, line, problem);
                continue;
            }
            if (const auto link = MarkupSyntax::link(command))
                checkLink(file, line, *link);
            if (const auto name = MarkupSyntax::dataFile(command);
                name && !dataNames.contains(name->toLower()))
                add(file, line, QStringLiteral("\"%1\" is not in the data folder").arg(*name));
            if (command == u"EXOOP")
                ++controls.options;
            else if (command == u"EXOCK")
                ++controls.checks;
            else if (command == u"EXOTX")
                ++controls.texts;
        }
        return controls;
    }

    void checkPages()
    {
        const int rows = int(sources.pages.size());
        std::map<int, const CoursePage *> numbers, orders;
        for (const CoursePage &p : sources.pages) {
            for (const auto &[value, line, name, seen] :
                 {std::tuple{p.numeropage, p.numeropageLine, QStringLiteral("Numeropage"), &numbers},
                  std::tuple{p.index, p.indexLine, QStringLiteral("Index"), &orders}}) {
                if (value < 0 || value > rows)
                    add(p.source, line,
                        QStringLiteral(
                            "%1 %2 is outside 0 to %3 (the number of pages): the page index has no "
                            "slot for it")
                            .arg(name)
                            .arg(value)
                            .arg(rows));
                if (const auto it = seen->find(value); it != seen->end())
                    add(p.source, line,
                        QStringLiteral("%1 %2 is given twice (also in %3)")
                            .arg(name)
                            .arg(value)
                            .arg(it->second->source));
                else
                    (*seen)[value] = &p;
            }
            if (p.sommaire > 0 && !pageNumbers.contains(p.sommaire))
                add(p.source, p.sommaireLine,
                    QStringLiteral("sommaire %1 is no page number of the course").arg(p.sommaire));
            if (p.repeatedBodyLine > 0)
                add(p.source, p.repeatedBodyLine,
                    QStringLiteral("\"@@corps\" given again: it replaces the first body"));
            checkBody(p.source, p.bodyLine, p.fpc);
        }
    }

    void checkQuestion(const ChapterTest &t, const TestQuestion &q)
    {
        const Controls placed = checkBody(t.source, q.questionLine, q.question);
        checkBody(t.source, q.siFauxLine, q.siFaux);
        if (q.repeatedLine > 0)
            add(t.source, q.repeatedLine,
                QStringLiteral("question %1: section given again: it replaces the first").arg(q.number));
        const int solutionLine = q.solutionLine > 0 ? q.solutionLine : q.line;
        switch (q.type) {
        case 1:
        case 2: {
            static const QRegularExpression pattern(QStringLiteral("^[01]{5}$"));
            if (!pattern.match(q.solution).hasMatch()) {
                add(t.source, solutionLine,
                    QStringLiteral("question %1: solution \"%2\" is not five 0/1 characters")
                        .arg(q.number)
                        .arg(q.solution));
                break;
            }
            if (q.type == 2 && q.solution.count(u'1') > 1)
                add(t.source, solutionLine,
                    QStringLiteral("question %1: solution \"%2\" chooses more than one option button")
                        .arg(q.number)
                        .arg(q.solution));
            const int controls = q.type == 1 ? placed.checks : placed.options;
            const int last = int(q.solution.lastIndexOf(u'1'));
            if (last >= controls)
                add(t.source, solutionLine,
                    QStringLiteral(
                        "question %1: solution \"%2\" ticks control %3, but the question places %4 %5")
                        .arg(q.number)
                        .arg(q.solution)
                        .arg(last + 1)
                        .arg(controls)
                        .arg(q.type == 1 ? QStringLiteral("##EXOCK") : QStringLiteral("##EXOOP")));
            break;
        }
        case 3: {
            if (q.solution.trimmed().isEmpty()) {
                add(t.source, solutionLine,
                    QStringLiteral("question %1: an empty solution never matches").arg(q.number));
                break;
            }
            QString rewritten;
            for (const QChar c : q.solution) {
                if (AnswerFold::isRewritten(c) && !rewritten.contains(c))
                    rewritten += c;
            }
            if (!rewritten.isEmpty())
                add(t.source, solutionLine,
                    QStringLiteral(
                        "question %1: solution \"%2\" cannot match: the answer check rewrites \"%3\" "
                        "(write it without accents, dashes or punctuation)")
                        .arg(q.number)
                        .arg(q.solution, rewritten));
            if (placed.texts == 0)
                add(t.source, q.line,
                    QStringLiteral("question %1: type 3 but no ##EXOTX text box").arg(q.number));
            break;
        }
        default:
            add(t.source, q.typeLine > 0 ? q.typeLine : q.line,
                QStringLiteral(
                    "question %1: unknown type %2 (1 check boxes, 2 option buttons, 3 typed answer)")
                    .arg(q.number)
                    .arg(q.type));
        }
    }

    void checkTests()
    {
        std::map<int, const ChapterTest *> seenChapters;
        for (const ChapterTest &t : sources.tests) {
            if (const auto it = seenChapters.find(t.chapitre); it != seenChapters.end())
                add(t.source, 0,
                    QStringLiteral("Chapitre %1 is given twice (also in %2)")
                        .arg(t.chapitre)
                        .arg(it->second->source));
            seenChapters[t.chapitre] = &t;
            if (t.questions.empty()) {
                add(t.source, 0, QStringLiteral("the test has no question"));
                continue;
            }
            std::map<int, int> numbers;
            for (const TestQuestion &q : t.questions) {
                if (numbers.count(q.number))
                    add(t.source, q.line, QStringLiteral("question %1 is given twice").arg(q.number));
                numbers[q.number] = q.line;
                checkQuestion(t, q);
            }
            for (int n = 1; n <= t.nbquest && n <= ChapterTest::kMaxQuestion; ++n) {
                if (!numbers.count(n))
                    add(t.source, 0,
                        QStringLiteral("question %1 is missing (the test has %2 questions)")
                            .arg(n)
                            .arg(t.nbquest));
            }
        }
    }
};

// The line of the first byte that is not UTF-8, or 0 when every byte is.
int firstNonUtf8Line(const QByteArray &bytes)
{
    // A byte sequence that is not UTF-8 decodes to replacement characters, which
    // encode back to other bytes.
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (QString::fromUtf8(lines[i]).toUtf8() != lines[i])
            return int(i) + 1;
    }
    return 0;
}

} // namespace

std::vector<CourseFinding> CourseCheck::checkSources(const CourseSources &sources)
{
    std::vector<CourseFinding> findings;
    Checker checker{sources, findings, {}, {}, {}};
    for (const CoursePage &p : sources.pages)
        checker.pageNumbers.insert(p.numeropage);
    for (const ChapterTest &t : sources.tests)
        checker.chapters.insert(t.chapitre);
    for (const QString &path : sources.dataFiles)
        checker.dataNames.insert(QFileInfo(path).fileName().toLower());
    checker.checkPages();
    checker.checkTests();
    return findings;
}

std::vector<CourseFinding> CourseCheck::checkFolder(const QString &folder)
{
    std::vector<CourseFinding> findings;
    const QDir dir(folder);
    if (!QFileInfo(dir.filePath(QStringLiteral("pages"))).isDir()) {
        findings.push_back(
            {folder, 0, QStringLiteral("no pages/ folder: this is no course source folder"), true});
        return findings;
    }
    CourseSources sources;
    auto readAll = [&](const QString &sub, const QString &pattern, auto parse, auto &into) {
        const QDir folder(dir.filePath(sub));
        for (const QFileInfo &fi : folder.entryInfoList({pattern}, QDir::Files, QDir::Name)) {
            QFile f(fi.filePath());
            if (!f.open(QIODevice::ReadOnly)) {
                findings.push_back({fi.filePath(), 0, QStringLiteral("cannot be read"), true});
                continue;
            }
            const QByteArray bytes = f.readAll();
            if (const int line = firstNonUtf8Line(bytes))
                findings.push_back(
                    {fi.filePath(), line, QStringLiteral("not UTF-8 (save the file as UTF-8)"), false});
            SourceError error;
            auto parsed = parse(fi.filePath(), QString::fromUtf8(bytes), &error);
            if (!parsed) {
                findings.push_back({error.file, error.line, error.message, true});
                continue;
            }
            into.push_back(std::move(*parsed));
        }
    };
    readAll(QStringLiteral("pages"), QStringLiteral("*.page"), ParsePageSource, sources.pages);
    readAll(QStringLiteral("tests"), QStringLiteral("*.test"), ParseTestSource, sources.tests);
    const QDir data(dir.filePath(QStringLiteral("data")));
    for (const QFileInfo &fi : data.entryInfoList(QDir::Files, QDir::Name))
        sources.dataFiles.append(fi.absoluteFilePath());
    std::vector<CourseFinding> content = checkSources(sources);
    findings.insert(findings.end(), content.begin(), content.end());
    return findings;
}

} // namespace vorlane
