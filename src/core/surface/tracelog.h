#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>
#include <variant>

namespace vorlane {

// One value of a trace record: a number (twips, pixels, radians, indexes), a
// text, a boolean or a colour.
using TraceValue = std::variant<double, QString, bool, QColor>;

// The drawing trace: one JSON object per line, fields in the order given (a
// writer of its own, since QJsonObject sorts keys). Numbers are written whole
// without a point (270), else as printf's %.2f with trailing zeros and point
// dropped (1237.5); -0 is written 0. Colours are "#rrggbb" in lower case. Text is
// raw UTF-8, escaped only where JSON requires it.
class TraceLog {
public:
    void add(const char *op, std::initializer_list<std::pair<const char *, TraceValue>> fields);

    // The records written so far, one per line.
    QStringList lines() const;
    // Every line followed by "\n", in UTF-8.
    const QByteArray &text() const { return m_text; }
    void clear() { m_text.clear(); }

    static QString formatNumber(double value);
    static QString quote(const QString &text);

private:
    // Kept as the UTF-8 text itself: a trace of millions of records (a body that
    // repeats a drawing command) takes a third of the memory of a list of lines.
    QByteArray m_text;
};

} // namespace vorlane
