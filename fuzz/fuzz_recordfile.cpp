// Record files (TEMPTS.TMP, LISTETS.MPC) of any content: every record of the
// file, and a few past its end, read back without leaving its record; every
// record read as a number is the DecimalRead of its text.
#include "core/records/recordfile.h"
#include "core/text/decimal.h"
#include "fuzzsupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>

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
    const QStringList texts = records.readRange(1, count);
    const std::vector<double> numbers = records.readNumbers(1, count);
    if (numbers.size() != std::size_t(texts.size()))
        std::abort();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const double expected = vorlane::DecimalRead(texts[i]);
        const double read = numbers[std::size_t(i)];
        if (read != expected && !(std::isnan(read) && std::isnan(expected)))
            std::abort();
    }
    for (int n = 1; n <= count; ++n)
        (void)records.read(n);
    (void)vorlane::RecordFile::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
