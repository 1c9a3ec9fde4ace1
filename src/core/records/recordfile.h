#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace vorlane {

// A file of numbered text records (TEMPTS.TMP, LISTETS.MPC): records of 128
// bytes numbered from 1, each a 16-bit little-endian length followed by that
// many bytes of Windows-1252 text; the rest of the record is unused.
//
// Every access opens the file (creating it when absent), reads or writes, and
// closes it: nothing keeps it open, so companion programs can use it between two
// accesses. Accesses never fail loudly: a file that cannot be opened reads as
// empty texts and ignores writes (the bool results say what happened).
//
// A write replaces the file whole: the new content goes to a temporary file
// beside it, which is renamed over it once every byte is written and flushed to
// the disk; the new content is written in one call when it is up to 64 MB (a page
// index cache of 30,000 rows is 7.7 MB), and a range of records is read in blocks of
// 1 MB, not record by record. A write that fails (full disk, read-only folder) returns false and
// leaves the previous file exactly as it was. A path that names something other
// than a plain file (a folder, a device) is never written.
//
// A folder that may not be written (an installed application folder, read-only
// for pupils) is never written, not even a file created in it: a read of a
// missing file there reads empty texts. A folder or file whose permissions let
// nobody write counts as read-only even for a user who could write it anyway
// (the superuser), so that the program behaves alike for everyone.
//
// Record numbers run from 1 to kMaxRecord, the last record whose bytes all have
// a 32-bit offset; any other number reads as the empty text and is not written.
//
// Damaged records: a record never written, one beyond the end of the file, or a
// truncated one reads as the empty text; a stored length larger than the 126
// bytes a record can hold, or negative, reads as the empty text too. A read never
// goes past its own record.
class RecordFile {
public:
    static constexpr int kRecordLength = 128;
    static constexpr int kMaxTextBytes = kRecordLength - 2;
    static constexpr int kMaxRecord = 2147483647 / kRecordLength; // 16777215

    // True for a record number from 1 to kMaxRecord.
    static bool isRecordNumber(qint64 n);

    explicit RecordFile(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }

    // True when the file may be written: its folder may be written (see
    // above), and the file is a plain file that may be written or does not
    // exist yet.
    static bool mayWrite(const QString &path);

    // Text of record n (from 1); empty for a record not written or damaged.
    QString read(int n) const;
    // Texts of records first..last in one opening; an empty list when either
    // is not a record number or last < first.
    QStringList readRange(int first, int last) const;
    // The same records read as decimal numbers (DecimalRead of each text), without
    // keeping their texts: a page index cache of 60,000 records is read this way.
    std::vector<double> readNumbers(int first, int last) const;
    // The same numbers given one by one to `visit` with their record's number,
    // from first to last, none kept; nothing when either is not a record
    // number or last < first.
    void forEachNumber(int first, int last, const std::function<void(int, double)> &visit) const;
    // Replaces record n whole. A text of more than 126 bytes in Windows-1252 is
    // refused (false, nothing written); characters outside Windows-1252 are
    // written as "?". Records between the old end and n are filled with zeros.
    bool write(int n, const QString &text) const;
    // Several records in one replacement of the file; a record given twice
    // keeps its last text. Nothing is written when any number or text is refused.
    bool writeMany(const std::vector<std::pair<int, QString>> &records) const;

    // Encoded record n: 128 bytes, or empty when the text is too long.
    static QByteArray encode(const QString &text);
    // Text of one 128-byte (or shorter, truncated) record.
    static QString decode(const QByteArray &record);

private:
    // Calls visit with the bytes of each record first..last in turn (fewer than
    // 128 for a truncated record, none past the end of the file), reading
    // blocks of records into one buffer.
    void forEachRecord(int first, int last, const std::function<void(QByteArrayView)> &visit) const;

    QString m_path;
};

} // namespace vorlane
