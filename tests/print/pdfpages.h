#pragma once

// Reading printed PDFs back with poppler's tools (pdfinfo, pdftotext,
// pdfimages), for the print tests.

#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace vorlane::testing {

inline QString runPoppler(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Page sizes in points, in page order (empty when the file is not a PDF).
inline std::vector<QSizeF> pdfPageSizes(const QString &pdf)
{
    const QString info =
        runPoppler(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                               QStringLiteral("-l"), QStringLiteral("100000"), pdf});
    std::vector<QSizeF> sizes;
    static const QRegularExpression line(QStringLiteral(R"(Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)"));
    for (auto it = line.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        sizes.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

// The text of page `page` (from 1), lines kept.
inline QString pdfPageText(const QString &pdf, int page)
{
    return runPoppler(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                       QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
}

// The non-empty lines of the text of a page, blanks around them removed.
inline QStringList pdfPageLines(const QString &pdf, int page)
{
    QStringList lines;
    for (const QString &l : pdfPageText(pdf, page).split(u'\n')) {
        if (!l.trimmed().isEmpty())
            lines << l.trimmed();
    }
    return lines;
}

// One word as pdftotext -bbox places it (points, origin top left).
struct PdfWord {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

inline std::vector<PdfWord> pdfPageWords(const QString &pdf, int page)
{
    const QString html = runPoppler(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                                     QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

// The first word of the page with this text, or a word with an empty text.
inline PdfWord pdfWord(const QString &pdf, int page, const QString &text)
{
    for (const PdfWord &w : pdfPageWords(pdf, page)) {
        if (w.text == text)
            return w;
    }
    return {};
}

// Width x height in pixels of each picture embedded in the PDF.
inline std::vector<QSize> pdfImageSizes(const QString &pdf)
{
    const QString list = runPoppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    std::vector<QSize> sizes;
    const QStringList lines = list.split(u'\n');
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList f = lines[i].split(u' ', Qt::SkipEmptyParts);
        if (f.size() > 4 && f[2] == u"image")
            sizes.emplace_back(f[3].toInt(), f[4].toInt());
    }
    return sizes;
}

} // namespace vorlane::testing
