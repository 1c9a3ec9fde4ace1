#include "core/store/rowchannel.h"

#include "core/store/rowchannelformat.h"

#include <cstring>

namespace vorlane {

namespace {

class Cursor {
public:
    explicit Cursor(const QByteArray &data) : m_data(data) {}

    bool atEnd() const { return m_pos == m_data.size(); }
    qsizetype remaining() const { return m_data.size() - m_pos; }

    bool byte(quint8 &out)
    {
        if (remaining() < 1)
            return false;
        out = quint8(m_data[m_pos++]);
        return true;
    }
    bool u32(quint32 &out)
    {
        if (remaining() < 4)
            return false;
        const auto *p = reinterpret_cast<const uchar *>(m_data.constData() + m_pos);
        out = quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
        m_pos += 4;
        return true;
    }
    bool text(QString &out)
    {
        quint32 length = 0;
        if (!u32(length) || qsizetype(length) > remaining())
            return false;
        out = QString::fromUtf8(m_data.constData() + m_pos, qsizetype(length));
        m_pos += qsizetype(length);
        return true;
    }
    bool magic()
    {
        if (remaining() < qsizetype(sizeof rowchannel::kMagic) ||
            std::memcmp(m_data.constData() + m_pos, rowchannel::kMagic, sizeof rowchannel::kMagic) != 0)
            return false;
        m_pos += qsizetype(sizeof rowchannel::kMagic);
        return true;
    }

private:
    const QByteArray &m_data;
    qsizetype m_pos = 0;
};

} // namespace

std::optional<TableRows> DecodeRowChannel(const QByteArray &data, const QString &tableName)
{
    Cursor in(data);
    quint32 columnCount = 0;
    if (!in.magic() || !in.u32(columnCount) || qsizetype(columnCount) > in.remaining() / 4)
        return std::nullopt;
    QStringList columns;
    columns.reserve(qsizetype(columnCount));
    for (quint32 i = 0; i < columnCount; ++i) {
        QString name;
        if (!in.text(name))
            return std::nullopt;
        columns.append(name);
    }

    TableRows rows(tableName, columns);
    QStringList values;
    for (;;) {
        quint8 marker = 0;
        if (!in.byte(marker))
            return std::nullopt;
        if (marker == quint8(rowchannel::kEndMarker))
            break;
        if (marker != quint8(rowchannel::kRowMarker))
            return std::nullopt;
        values.clear();
        for (quint32 i = 0; i < columnCount; ++i) {
            quint8 flag = 0;
            if (!in.byte(flag))
                return std::nullopt;
            if (flag == rowchannel::kNull) {
                values.append(QString());
            } else if (flag == rowchannel::kValue) {
                QString value;
                if (!in.text(value))
                    return std::nullopt;
                values.append(value);
            } else {
                return std::nullopt;
            }
        }
        rows.appendRow(values);
    }
    quint32 count = 0;
    if (!in.u32(count) || qint64(count) != rows.rowCount() || !in.atEnd())
        return std::nullopt;
    return rows;
}

} // namespace vorlane
