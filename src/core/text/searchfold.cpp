#include "core/text/searchfold.h"

#include <algorithm>
#include <array>
#include <memory>

namespace vorlane {

namespace {

constexpr char16_t kTableEnd = 0x3000;
// Table values: a folded unit, or one of these two marks.
constexpr char16_t kDrop = 0xFFFF;    // the character folds to nothing
constexpr char16_t kComplex = 0xFFFE; // not one unit: the slow way

bool isMark(char32_t c)
{
    return c >= 0x0300 && c <= 0x036F;
}

// The fold of a text, the slow way: whole-text case mapping and normalisation.
QString slowFold(QStringView text, bool accents)
{
    QString lower = text.toString().toLower();
    if (!accents)
        return lower;
    QString d = lower.normalized(QString::NormalizationForm_D);
    d.removeIf([](QChar c) { return isMark(c.unicode()); });
    return d;
}

using FoldTable = std::array<char16_t, kTableEnd>;

std::unique_ptr<FoldTable> buildTable(bool accents)
{
    auto table = std::make_unique<FoldTable>();
    for (char32_t c = 0; c < kTableEnd; ++c) {
        const QChar ch{char16_t(c)};
        if (ch.isSurrogate()) {
            (*table)[c] = kComplex;
            continue;
        }
        const QString f = slowFold(QStringView(&ch, 1), accents);
        if (f.isEmpty())
            (*table)[c] = kDrop;
        else if (f.size() == 1 && f[0].unicode() < kComplex)
            (*table)[c] = f[0].unicode();
        else
            (*table)[c] = kComplex;
    }
    return table;
}

// Each built on its first use and never changed afterwards.
const FoldTable &plainTable()
{
    static const std::unique_ptr<FoldTable> table = buildTable(false);
    return *table;
}

const FoldTable &accentTable()
{
    static const std::unique_ptr<FoldTable> table = buildTable(true);
    return *table;
}

const FoldTable &tableFor(bool accents)
{
    return accents ? accentTable() : plainTable();
}

} // namespace

SearchFold::SearchFold(bool ignoreAccents) : m_accents(ignoreAccents) {}

void SearchFold::fold(QStringView text, QString &out) const
{
    const FoldTable &table = tableFor(m_accents);
    out.resize(text.size());
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    const char16_t *src = text.utf16();
    qsizetype n = 0;
    for (qsizetype i = 0, size = text.size(); i < size; ++i) {
        const char16_t c = src[i];
        const char16_t f = c < kTableEnd ? table[c] : kComplex;
        if (f < kComplex) {
            dst[n++] = f;
        } else if (f == kComplex) {
            out = slowFold(text, m_accents);
            return;
        }
    }
    out.truncate(n);
}

void SearchFold::foldUtf8(QStringView text, std::string &out) const
{
    const FoldTable &table = tableFor(m_accents);
    out.resize(size_t(text.size()) * 3);
    char *dst = out.data();
    const char16_t *src = text.utf16();
    size_t n = 0;
    for (qsizetype i = 0, size = text.size(); i < size; ++i) {
        const char16_t c = src[i];
        const char16_t f = c < kTableEnd ? table[c] : kComplex;
        if (f < 0x80) {
            dst[n++] = char(f);
        } else if (f < 0x800) {
            dst[n++] = char(0xC0 | (f >> 6));
            dst[n++] = char(0x80 | (f & 0x3F));
        } else if (f < kComplex) {
            // The table never holds surrogates: they are complex.
            dst[n++] = char(0xE0 | (f >> 12));
            dst[n++] = char(0x80 | ((f >> 6) & 0x3F));
            dst[n++] = char(0x80 | (f & 0x3F));
        } else if (f == kComplex) {
            const QByteArray slow = slowFold(text, m_accents).toUtf8();
            out.assign(slow.constData(), size_t(slow.size()));
            return;
        }
    }
    out.resize(n);
}

QString SearchFold::fold(QStringView text) const
{
    QString out;
    fold(text, out);
    return out;
}

QStringList SearchFold::foldAll(const QStringList &words) const
{
    QStringList out;
    out.reserve(words.size());
    for (const QString &w : words)
        out.append(fold(w));
    return out;
}

std::vector<TextRange> SearchFold::occurrences(QStringView text, const QStringList &foldedWords) const
{
    // Fold code point by code point, remembering where each folded unit came from.
    QString folded;
    std::vector<TextRange> from;
    folded.reserve(text.size());
    from.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width =
            (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        const QString piece = fold(text.sliced(i, width));
        for (QChar c : piece) {
            folded.append(c);
            from.push_back({i, i + width});
        }
        i += width;
    }

    std::vector<TextRange> found;
    for (const QString &word : foldedWords) {
        if (word.isEmpty())
            continue;
        for (qsizetype at = folded.indexOf(word); at >= 0; at = folded.indexOf(word, at + 1))
            found.push_back({from[size_t(at)].start, from[size_t(at + word.size() - 1)].end});
    }
    std::sort(found.begin(), found.end(),
              [](const TextRange &a, const TextRange &b) { return a.start < b.start; });
    std::vector<TextRange> merged;
    for (const TextRange &r : found) {
        if (!merged.empty() && r.start <= merged.back().end)
            merged.back().end = std::max(merged.back().end, r.end);
        else
            merged.push_back(r);
    }
    return merged;
}

} // namespace vorlane
