#include "core/render/markuptext.h"

#include "core/text/decimal.h"

namespace vorlane {

QStringView MarkupText::left(QStringView text, qsizetype n)
{
    if (n <= 0)
        return text.first(0);
    return n >= text.size() ? text : text.first(n);
}

QStringView MarkupText::right(QStringView text, qsizetype n)
{
    if (n <= 0)
        return text.last(0);
    return n >= text.size() ? text : text.last(n);
}

QStringView MarkupText::mid(QStringView text, qsizetype start, qsizetype count)
{
    if (start < 1)
        start = 1;
    if (start > text.size())
        return text.last(0);
    QStringView rest = text.sliced(start - 1);
    if (count >= 0 && count < rest.size())
        rest = rest.first(count);
    return rest;
}

double MarkupText::value(QStringView text)
{
    return DecimalRead(text);
}

std::optional<MarkupText::Split> MarkupText::splitAtLastHash(QStringView text, qsizetype searchFrom,
                                                             qsizetype firstFrom)
{
    // Position length itself is excluded: a "#" in last place has nothing after it.
    for (qsizetype p = text.size() - 1; p >= searchFrom && p >= 1; --p) {
        if (text[p - 1] == u'#') {
            const qsizetype firstLength = p - firstFrom;
            Split split;
            split.first = firstLength > 0 ? mid(text, firstFrom, firstLength) : text.first(0);
            split.second = text.sliced(p);
            return split;
        }
    }
    return std::nullopt;
}

} // namespace vorlane
