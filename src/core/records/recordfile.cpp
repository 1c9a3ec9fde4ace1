#include "core/records/recordfile.h"

#include "core/text/cp1252.h"
#include "core/text/decimal.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <map>

namespace vorlane {

namespace {
bool openForReadWrite(QFile &f)
{
    // ReadWrite creates the file when absent, as a random-mode open did.
    return f.open(QIODevice::ReadWrite);
}

// Records read by one read() call at most (64 KB): few system calls, and a
// buffer small enough that its memory is not faulted in page after page (a
// page index cache of 30,000 pages is 7.5 MB).
constexpr qint64 kReadBlockRecords = 512;

// A new file up to this size is built in memory and written in one write() call;
// a larger one (a record number far beyond the old end) is streamed, its gaps left
// as holes.
constexpr qint64 kWholeWriteLimit = 64 * 1024 * 1024;

qint64 offsetOf(qint64 n)
{
    return (n - 1) * RecordFile::kRecordLength;
}

// Writes bytes [from, to) of the old file to `out`; bytes past the old file's end
// are left as a hole of `out` (they read as zeros, as a resized file's do).
bool copyOld(QFile &old, qint64 oldSize, QSaveFile &out, qint64 from, qint64 to)
{
    static constexpr qint64 kChunk = 64 * 1024;
    const qint64 end = std::min(to, oldSize);
    if (from < end && !old.seek(from))
        return false;
    for (qint64 p = from; p < end;) {
        const QByteArray chunk = old.read(std::min(kChunk, end - p));
        if (chunk.isEmpty() || out.write(chunk) != chunk.size())
            return false;
        p += chunk.size();
    }
    return std::max(from, end) >= to || out.seek(to);
}
} // namespace

namespace {
// The mode bits only: WriteUser says what the current user may do, which for
// the superuser is everything.
constexpr QFile::Permissions kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

bool writableByItsPermissions(const QFileInfo &info)
{
    return info.isWritable() && (info.permissions() & kAnyWrite);
}
} // namespace

bool RecordFile::mayWrite(const QString &path)
{
    // A write replaces the file through a new file beside it: the folder must
    // take one, whatever the file's own permissions.
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir() || !writableByItsPermissions(folder))
        return false;
    return !info.exists() || (info.isFile() && writableByItsPermissions(info));
}

bool RecordFile::isRecordNumber(qint64 n)
{
    return n >= 1 && n <= kMaxRecord;
}

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

namespace {
// The text bytes of a record (a null view when it has none): none when it is too short, or when its length is
// above 126 or negative (a signed 16-bit length cannot belong to a sound
// record), or runs past the bytes actually present.
QByteArrayView payload(QByteArrayView record)
{
    if (record.size() < 2)
        return {};
    const int length = std::uint8_t(record[0]) | (std::uint8_t(record[1]) << 8);
    if (length > RecordFile::kMaxTextBytes || length > record.size() - 2)
        return {};
    return record.sliced(2, length);
}
} // namespace

QString RecordFile::decode(const QByteArray &record)
{
    const QByteArrayView bytes = payload(record);
    return bytes.data() ? FromWindows1252(bytes.toByteArray()) : QString();
}

QString RecordFile::read(int n) const
{
    const QStringList one = readRange(n, n);
    return one.isEmpty() ? QString() : one.first();
}

void RecordFile::forEachRecord(int first, int last, const std::function<void(QByteArrayView)> &visit) const
{
    QFile f(m_path);
    // A file that may not be written (a read-only disc copy) can still be read;
    // a missing one is created only where the folder may be written.
    const bool open = (mayWrite(m_path) && openForReadWrite(f)) || f.open(QIODevice::ReadOnly);
    // The records are read in blocks into one buffer, not one system call per
    // record; a block that ends early leaves the records past its end empty or
    // truncated, as a record-by-record read would.
    QByteArray block;
    for (qint64 n = first; n <= last;) {
        const qint64 count = std::min<qint64>(kReadBlockRecords, last - n + 1);
        qint64 got = 0;
        if (open && f.seek(offsetOf(n))) {
            block.resize(count * kRecordLength);
            got = std::max<qint64>(f.read(block.data(), block.size()), 0);
        }
        for (qint64 k = 0; k < count; ++k) {
            const qint64 at = k * kRecordLength;
            visit(at < got ? QByteArrayView(block.constData() + at, std::min<qint64>(kRecordLength, got - at))
                           : QByteArrayView());
        }
        n += count;
    }
}

QStringList RecordFile::readRange(int first, int last) const
{
    QStringList out;
    if (!isRecordNumber(first) || !isRecordNumber(last) || last < first)
        return out;
    out.reserve(last - first + 1);
    forEachRecord(first, last, [&out](QByteArrayView record) {
        const QByteArrayView bytes = payload(record);
        out.append(bytes.data() ? FromWindows1252(bytes.toByteArray()) : QString());
    });
    return out;
}

std::vector<double> RecordFile::readNumbers(int first, int last) const
{
    std::vector<double> out;
    if (isRecordNumber(first) && isRecordNumber(last) && last >= first)
        out.reserve(std::size_t(last - first + 1));
    forEachNumber(first, last, [&out](int, double number) { out.push_back(number); });
    return out;
}

void RecordFile::forEachNumber(int first, int last, const std::function<void(int, double)> &visit) const
{
    if (!isRecordNumber(first) || !isRecordNumber(last) || last < first)
        return;
    int n = first;
    forEachRecord(first, last, [&visit, &n](QByteArrayView record) {
        const QByteArrayView bytes = payload(record);
        // Digits alone (a page index cache holds nothing else) are their whole
        // number; fifteen of them are exact in a double.
        if (!bytes.isEmpty() && bytes.size() <= 15 &&
            std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            std::int64_t whole = 0;
            for (char c : bytes)
                whole = whole * 10 + (c - '0');
            visit(n++, double(whole));
            return;
        }
        char16_t text[kMaxTextBytes];
        for (qsizetype i = 0; i < bytes.size(); ++i)
            text[i] = Windows1252ToUnicode(static_cast<unsigned char>(bytes[i]));
        visit(n++, DecimalRead(QStringView(text, bytes.size())));
    });
}

bool RecordFile::write(int n, const QString &text) const
{
    return writeMany({{n, text}});
}

bool RecordFile::writeMany(const std::vector<std::pair<int, QString>> &records) const
{
    // By record number, so the new file is written front to back; a record
    // given twice keeps its last text.
    std::map<qint64, QByteArray> encoded;
    for (const auto &[n, text] : records) {
        QByteArray bytes = encode(text);
        if (!isRecordNumber(n) || bytes.isEmpty())
            return false;
        encoded[n] = std::move(bytes);
    }

    // The new file is written beside the old one and renamed over it only when
    // every byte reached the disk: a full disk leaves the previous file whole.
    // What is not a plain file (a folder, a device), or may not be written, is
    // never replaced.
    const QFileInfo info(m_path);
    if (!mayWrite(m_path))
        return false;
    QFile old(m_path);
    const bool haveOld = info.exists();
    if (haveOld && !old.open(QIODevice::ReadOnly))
        return false;
    const qint64 oldSize = haveOld ? old.size() : 0;
    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const qint64 newSize =
        encoded.empty() ? oldSize : std::max(oldSize, offsetOf(encoded.rbegin()->first) + kRecordLength);
    if (newSize <= kWholeWriteLimit) {
        // The whole new content in one buffer and one write: the old bytes, zeros
        // past the old end, the new records over them.
        QByteArray content = haveOld ? old.readAll() : QByteArray();
        if (content.size() != oldSize) {
            out.cancelWriting();
            return false;
        }
        content.resize(newSize, '\0');
        for (const auto &[n, bytes] : encoded)
            std::copy(bytes.begin(), bytes.end(), content.begin() + offsetOf(n));
        if (out.write(content) != content.size() || !out.flush() || out.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return false;
        }
        return out.commit();
    }
    qint64 pos = 0;
    for (const auto &[n, bytes] : encoded) {
        const qint64 offset = offsetOf(n);
        if (!copyOld(old, oldSize, out, pos, offset) || out.write(bytes) != bytes.size()) {
            out.cancelWriting();
            return false;
        }
        pos = offset + kRecordLength;
    }
    if (!copyOld(old, oldSize, out, pos, oldSize)) {
        out.cancelWriting();
        return false;
    }
    // commit() does not see a failure of the last buffered bytes (it only
    // reports failed write() calls): flush first and check.
    if (!out.flush() || out.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace vorlane
