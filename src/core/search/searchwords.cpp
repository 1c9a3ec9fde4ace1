#include "core/search/searchwords.h"

namespace vorlane {

namespace {

QString trimSpaces(const QString &s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.sliced(b, e - b);
}

bool tooShort(const QString &s)
{
    // Code points, so that one character outside the basic plane is one character.
    qsizetype n = 0;
    for (qsizetype i = 0; i < s.size() && n < 2; ++i) {
        if (!(s[i].isLowSurrogate() && i > 0 && s[i - 1].isHighSurrogate()))
            ++n;
    }
    return n < 2;
}

} // namespace

std::optional<QStringList> SearchWords(QStringView entry)
{
    QString text = trimSpaces(entry.toString().toLower());
    if (tooShort(text))
        return std::nullopt;

    for (QChar &c : text) {
        switch (c.unicode()) {
        case u'+':
        case u'-':
        case u'*':
        case u'/':
        case u',':
        case u';':
        case u':':
        case u'.':
        case u'?':
        case u'#':
            c = u' ';
            break;
        default:
            break;
        }
    }
    text = trimSpaces(text);
    if (tooShort(text))
        return std::nullopt;

    QString single;
    single.reserve(text.size());
    for (QChar c : std::as_const(text)) {
        if (c == u' ' && single.endsWith(u' '))
            continue;
        single.append(c);
    }
    single = trimSpaces(single);
    if (tooShort(single))
        return std::nullopt;

    return single.split(u' ');
}

} // namespace vorlane
