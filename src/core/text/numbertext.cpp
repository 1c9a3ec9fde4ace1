#include "core/text/numbertext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vorlane {

QString NumberText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("-1.#IND");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral(" 1.#INF") : QStringLiteral("-1.#INF");
    if (value == 0)
        return QStringLiteral(" 0");

    const auto [digits, exponent] = SignificantDigits(value, 15);

    QString body;
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            body = u'.' + QString(-exponent - 1, u'0') + digits;
        } else if (digits.size() <= exponent + 1) {
            body = digits + QString(exponent + 1 - digits.size(), u'0');
        } else {
            body = digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1);
        }
    } else {
        body = digits.left(1);
        if (digits.size() > 1)
            body += u'.' + digits.mid(1);
        body += u'E';
        body += exponent < 0 ? u'-' : u'+';
        QString e = QString::number(std::abs(exponent));
        if (e.size() < 2)
            e.prepend(u'0');
        body += e;
    }
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + body;
}

Digits SignificantDigits(double value, int significant)
{
    // d.ddd...e[+-]XX; only digits and the exponent are read, so the locale's
    // decimal separator does not matter.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", std::max(0, significant - 1), std::fabs(value));
    Digits out;
    const char *p = buf;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            out.digits.append(QLatin1Char(*p));
    }
    if (*p == 'e')
        out.exponent = std::atoi(p + 1);
    while (out.digits.size() > 1 && out.digits.endsWith(u'0'))
        out.digits.chop(1);
    return out;
}

QString TrimSpaces(const QString &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from] == u' ')
        ++from;
    while (to > from && text[to - 1] == u' ')
        --to;
    return text.mid(from, to - from);
}

QString ZeroPadded(long long value, int digits)
{
    QString s = QString::number(value < 0 ? -value : value);
    if (s.size() < digits)
        s.prepend(QString(digits - s.size(), u'0'));
    return value < 0 ? u'-' + s : s;
}

} // namespace vorlane
