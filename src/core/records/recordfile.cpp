#include "core/records/recordfile.h"

#include "core/text/cp1252.h"

#include <QFile>

namespace vorlane {

namespace {
bool openForReadWrite(QFile &f)
{
    // ReadWrite creates the file when absent, as a random-mode open did.
    return f.open(QIODevice::ReadWrite);
}
} // namespace

QByteArray RecordFile::encode(const QString &text)
{
    QByteArray bytes = ToWindows1252(text);
    if (bytes.size() > kMaxTextBytes)
        return {};
    QByteArray record(kRecordLength, '\0');
    record[0] = char(bytes.size() & 0xFF);
    record[1] = char((bytes.size() >> 8) & 0xFF);
    std::copy(bytes.begin(), bytes.end(), record.begin() + 2);
    return record;
}

QString RecordFile::decode(const QByteArray &record)
{
    if (record.size() < 2)
        return {};
    const int length = std::uint8_t(record[0]) | (std::uint8_t(record[1]) << 8);
    // A signed 16-bit length above 126, or negative, cannot belong to a sound
    // record; neither can one running past the bytes actually present.
    if (length > kMaxTextBytes || length > record.size() - 2)
        return {};
    return FromWindows1252(record.mid(2, length));
}

QString RecordFile::read(int n) const
{
    const QStringList one = readRange(n, n);
    return one.isEmpty() ? QString() : one.first();
}

QStringList RecordFile::readRange(int first, int last) const
{
    QStringList out;
    if (first < 1 || last < first)
        return out;
    QFile f(m_path);
    // A file that may not be written (a read-only disc copy) can still be read.
    const bool open = openForReadWrite(f) || f.open(QIODevice::ReadOnly);
    for (int n = first; n <= last; ++n) {
        if (!open || !f.seek(qint64(n - 1) * kRecordLength)) {
            out.append(QString());
            continue;
        }
        out.append(decode(f.read(kRecordLength)));
    }
    return out;
}

bool RecordFile::write(int n, const QString &text) const { return writeMany({{n, text}}); }

bool RecordFile::writeMany(const std::vector<std::pair<int, QString>> &records) const
{
    std::vector<std::pair<int, QByteArray>> encoded;
    for (const auto &[n, text] : records) {
        QByteArray bytes = encode(text);
        if (n < 1 || bytes.isEmpty())
            return false;
        encoded.emplace_back(n, std::move(bytes));
    }
    QFile f(m_path);
    if (!openForReadWrite(f))
        return false;
    bool ok = true;
    for (const auto &[n, bytes] : encoded) {
        const qint64 offset = qint64(n - 1) * kRecordLength;
        if (f.size() < offset && !f.resize(offset)) {
            ok = false;
            continue;
        }
        ok = f.seek(offset) && f.write(bytes) == bytes.size() && ok;
    }
    return ok;
}

} // namespace vorlane
