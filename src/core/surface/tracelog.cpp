#include "core/surface/tracelog.h"

#include <cmath>
#include <cstdio>

namespace vorlane {

QString TraceLog::formatNumber(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", value);
    QString s = QString::fromLatin1(buf);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    if (s == u"-0")
        s = QStringLiteral("0");
    return s;
}

QString TraceLog::quote(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\b':
            out += QStringLiteral("\\b");
            break;
        case u'\f':
            out += QStringLiteral("\\f");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}

void TraceLog::add(const char *op, std::initializer_list<std::pair<const char *, TraceValue>> fields)
{
    QString line = QStringLiteral("{\"op\":") + quote(QString::fromLatin1(op));
    for (const auto &[key, value] : fields) {
        line += u',' + quote(QString::fromLatin1(key)) + u':';
        if (const double *d = std::get_if<double>(&value))
            line += formatNumber(*d);
        else if (const QString *s = std::get_if<QString>(&value))
            line += quote(*s);
        else if (const bool *b = std::get_if<bool>(&value))
            line += *b ? QStringLiteral("true") : QStringLiteral("false");
        else if (const QColor *c = std::get_if<QColor>(&value))
            line += quote(c->name(QColor::HexRgb).toLower());
    }
    line += u'}';
    m_text += line.toUtf8();
    m_text += '\n';
}

QStringList TraceLog::lines() const
{
    QStringList out;
    for (const QByteArray &line : m_text.split('\n'))
        if (!line.isEmpty())
            out.append(QString::fromUtf8(line));
    return out;
}

} // namespace vorlane
