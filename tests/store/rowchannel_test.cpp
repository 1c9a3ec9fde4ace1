#include "core/store/rowchannel.h"
#include "core/store/rowchannelformat.h"
#include "storetestsupport.h"

#include <gtest/gtest.h>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

// Builds channel bytes field by field, as the helper writes them.
class Channel {
public:
    Channel &raw(const QByteArray &bytes)
    {
        m_bytes += bytes;
        return *this;
    }
    Channel &u32(quint32 v)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes += char((v >> (8 * i)) & 0xFF);
        return *this;
    }
    Channel &text(const QByteArray &utf8)
    {
        u32(quint32(utf8.size()));
        return raw(utf8);
    }
    Channel &value(const QByteArray &utf8)
    {
        m_bytes += char(rowchannel::kValue);
        return text(utf8);
    }
    Channel &null()
    {
        m_bytes += char(rowchannel::kNull);
        return *this;
    }
    Channel &row()
    {
        m_bytes += rowchannel::kRowMarker;
        return *this;
    }
    Channel &end(quint32 count)
    {
        m_bytes += rowchannel::kEndMarker;
        return u32(count);
    }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Two columns, two rows: ("1", NULL) and ("", "x CR LF é").
Channel header()
{
    Channel c;
    c.raw(QByteArray("VMR1", 4)).u32(2).text("a").text("\xC3\xA9t\xC3\xA9");
    return c;
}

QByteArray validChannel()
{
    return header().row().value("1").null().row().value("").value("x\r\n\xC3\xA9").end(2).bytes();
}

} // namespace

TEST(RowChannel, DecodesColumnsRowsAndNulls)
{
    const std::optional<TableRows> rows = DecodeRowChannel(validChannel(), u"T"_s);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(rows->tableName(), u"T"_s);
    EXPECT_EQ(rows->columns(), QStringList({u"a"_s, QString::fromUtf8("été")}));
    ASSERT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->cell(0, 0), u"1"_s);
    EXPECT_EQ(rows->cell(0, 1), QString());
    EXPECT_EQ(rows->cell(1, 0), QString());
    EXPECT_EQ(rows->value(1, u"ÉTÉ"), QString::fromUtf8("x\r\né"));
    EXPECT_FALSE(rows->hasRowIds());
}

TEST(RowChannel, EmptyTableAndTableWithoutColumns)
{
    const std::optional<TableRows> empty = DecodeRowChannel(header().end(0).bytes(), u"T"_s);
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->rowCount(), 0);
    EXPECT_EQ(empty->columnCount(), 2);

    Channel noColumns;
    noColumns.raw("VMR1").u32(0).end(0);
    ASSERT_TRUE(DecodeRowChannel(noColumns.bytes(), u"T"_s).has_value());
}

TEST(RowChannel, EveryShorterPrefixIsMalformed)
{
    const QByteArray whole = validChannel();
    for (qsizetype n = 0; n < whole.size(); ++n)
        EXPECT_FALSE(DecodeRowChannel(whole.left(n), u"T"_s).has_value()) << "prefix of " << n << " bytes";
}

TEST(RowChannel, MalformedChannelsAreRefused)
{
    struct Case {
        const char *what;
        QByteArray bytes;
    };
    QByteArray trailing = validChannel();
    trailing += 'E';
    QByteArray badMagic = validChannel();
    badMagic[3] = '2';
    const Case cases[] = {
        {"byte after the end record", trailing},
        {"wrong magic", badMagic},
        {"count larger than the rows", header().row().value("1").null().end(2).bytes()},
        {"count smaller than the rows", header().row().value("1").null().row().null().null().end(1).bytes()},
        {"unknown null flag", header().row().value("1").raw(QByteArray(1, '\x02')).end(1).bytes()},
        {"unknown marker", header().raw("X").end(0).bytes()},
        {"value longer than the data", header().row().raw(QByteArray(1, '\0')).u32(1000).raw("abc").bytes()},
        {"absurd column count", Channel().raw("VMR1").u32(0xFFFFFFFFu).bytes()},
        {"name longer than the data", Channel().raw("VMR1").u32(1).u32(0x7FFFFFFF).raw("a").bytes()},
        {"empty", QByteArray()},
    };
    for (const Case &c : cases)
        EXPECT_FALSE(DecodeRowChannel(c.bytes, u"T"_s).has_value()) << c.what;
}

TEST(RowChannel, InvalidUtf8IsReplacedNotRefused)
{
    const QByteArray bytes = header().row().value("A\xFF").null().end(1).bytes();
    const std::optional<TableRows> rows = DecodeRowChannel(bytes, u"T"_s);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(rows->cell(0, 0), QString(u"A\uFFFD"_s));
}
