// What the evaluator gives, recorded once, for the table cases of evaluator_test.cpp and
// the 10,000 seeded expressions of the fuzz test, each in degrees and in radians: any
// change of the evaluator's inner workings must leave every line as it is, byte for byte,
// the text left after a failure included.
//
// tests/data/calc/evaluator-golden.qz is a text compressed by qCompress (a 4-byte
// big-endian length, then a zlib stream), one line per evaluation, in the order of
// recordedExpressions(), degrees then radians for each expression:
//   the error code, tab, the text left
// which is exactly the line `vorlane-tool eval` prints. Backslash, tab, CR and LF inside a
// text are written \\, \t, \r and \n. The expressions themselves are not stored: the table
// cases are listed in tests/data/calc/evaluator-table-inputs.txt and the fuzz expressions
// come from the fuzz test's seeded generator (fuzzexpressions.h).
//
// To record the file again (only when the evaluator's results are meant to change), run
// build/tests/test_calc --gtest_filter='EvaluatorGolden.*' with the variable
// VORLANE_WRITE_EVALUATOR_GOLDEN set to the path of the file to write.
#include "core/calc/expressionevaluator.h"
#include "fuzzexpressions.h"
#include "testsupport.h"

#include <QFile>
#include <array>
#include <gtest/gtest.h>
#include <random>

using namespace vorlane;

namespace {

QString goldenPath()
{
    return vorlane::testing::dataDir() + QStringLiteral("/calc/evaluator-golden.qz");
}

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    return out;
}

QString unescaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar c = text[++i];
        out += c == u't' ? QChar(u'\t') : c == u'r' ? QChar(u'\r') : c == u'n' ? QChar(u'\n') : c;
    }
    return out;
}

// The golden line of one evaluation: what `vorlane-tool eval` prints, escaped.
QString goldenLine(const QString &expression, AngleMode mode)
{
    QString text = expression;
    const EvalError error = EvaluateExpression(text, mode);
    return QString::number(int(error)) + u'\t' + escaped(text);
}

// The expressions recorded: the table cases (one per line of the inputs file), then the
// fuzz test's 10,000 seeded expressions, in the order of its generator.
QStringList recordedExpressions()
{
    QStringList expressions;
    QFile table(vorlane::testing::dataDir() + QStringLiteral("/calc/evaluator-table-inputs.txt"));
    if (table.open(QIODevice::ReadOnly)) {
        QString all = QString::fromUtf8(table.readAll());
        if (all.endsWith(u'\n'))
            all.chop(1);
        for (const QString &line : all.split(u'\n'))
            expressions << unescaped(line);
    }
    std::mt19937 rng(20240611u);
    for (int n = 0; n < 10000; ++n)
        expressions << vorlane::testing::randomExpression(rng, 1000);
    return expressions;
}

QStringList goldenLines()
{
    QFile file(goldenPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(qUncompress(file.readAll())).split(u'\n', Qt::SkipEmptyParts);
}

TEST(EvaluatorGolden, EveryRecordedEvaluationGivesTheSameLine)
{
    const QStringList expressions = recordedExpressions();
    ASSERT_EQ(expressions.size(), 10000 + 104); // the table inputs and the fuzz expressions
    const QByteArray out = qgetenv("VORLANE_WRITE_EVALUATOR_GOLDEN");
    if (!out.isEmpty()) {
        QString all;
        for (const QString &expression : expressions) {
            for (const AngleMode mode : {AngleMode::Degrees, AngleMode::Radians})
                all += goldenLine(expression, mode) + u'\n';
        }
        QFile file(QString::fromLocal8Bit(out));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(qCompress(all.toUtf8(), 9));
        GTEST_SKIP() << "recorded " << out.constData();
    }

    const QStringList lines = goldenLines();
    ASSERT_EQ(lines.size(), 2 * expressions.size()) << goldenPath().toStdString();
    int differences = 0;
    for (qsizetype i = 0; i < expressions.size(); ++i) {
        for (const AngleMode mode : {AngleMode::Degrees, AngleMode::Radians}) {
            const QString &recorded = lines[2 * i + (mode == AngleMode::Radians ? 1 : 0)];
            const QString now = goldenLine(expressions[i], mode);
            if (now != recorded && ++differences <= 5)
                ADD_FAILURE() << (mode == AngleMode::Radians ? "radians: " : "degrees: ")
                              << expressions[i].left(300).toStdString()
                              << "\n  recorded: " << recorded.left(300).toStdString()
                              << "\n       now: " << now.left(300).toStdString();
        }
    }
    EXPECT_EQ(differences, 0) << "of " << lines.size() << " lines";
}

// The recording reaches every outcome and keeps the texts left after failures, so the
// comparison covers the intermediate states too, not only the results.
TEST(EvaluatorGolden, TheRecordingCoversEveryErrorCode)
{
    if (!qEnvironmentVariableIsEmpty("VORLANE_WRITE_EVALUATOR_GOLDEN"))
        GTEST_SKIP();
    const QStringList lines = goldenLines();
    ASSERT_FALSE(lines.isEmpty());
    std::array<int, 4> byCode{};
    std::array<int, 4> withText{};
    for (const QString &line : lines) {
        const qsizetype tab = line.indexOf(u'\t');
        ASSERT_GT(tab, 0) << line.left(200).toStdString();
        const int code = line.left(tab).toInt();
        ASSERT_GE(code, 0);
        ASSERT_LE(code, 3);
        ++byCode[size_t(code)];
        withText[size_t(code)] += tab + 1 < line.size() ? 1 : 0;
    }
    for (int code = 0; code < 4; ++code) {
        EXPECT_GT(byCode[size_t(code)], 500) << "code " << code;
        EXPECT_GT(withText[size_t(code)], 500) << "code " << code;
    }
}

} // namespace
