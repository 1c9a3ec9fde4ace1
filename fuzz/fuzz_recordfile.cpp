// Record files (TEMPTS.TMP, LISTETS.MPC) of any content: every record of the
// file, and a few past its end, read back without leaving its record.
#include "core/records/recordfile.h"
#include "fuzzsupport.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TEMPTS.TMP"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const vorlane::RecordFile records(path);
    const int count = int(size / vorlane::RecordFile::kRecordLength) + 2;
    (void)records.readRange(1, count);
    for (int n = 1; n <= count; ++n)
        (void)records.read(n);
    (void)vorlane::RecordFile::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
