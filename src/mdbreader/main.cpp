// vorlane-mdb-reader: reads one table of an Access file with libmdb and writes
// its rows to an output file in the row-channel format (core/store/rowchannelformat.h).
//
// It runs as a child process of the store because libmdb can loop or eat
// memory on a damaged file; the parent limits its time and memory. libmdb may
// print to standard output and standard error, so rows never go there.
// Any inconsistency ends the program with a non-zero exit code.

#include <glib.h>
#include <mdbtools.h>

#include "core/store/rowchannelformat.h"

#include <cerrno>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace rc = vorlane::rowchannel;

namespace {

// Memo value headers: 32-bit length with two flag bits, then the page/row of the data.
constexpr std::uint32_t kMemoInline = 0x80000000u;
constexpr std::uint32_t kMemoSinglePage = 0x40000000u;
constexpr std::uint32_t kMemoLengthMask = 0x3FFFFFFFu;

[[noreturn]] void fail(int code)
{
    std::fflush(nullptr);
    std::_Exit(code);
}

class Output {
public:
    explicit Output(const char *path) : m_file(std::fopen(path, "wb")) {}
    bool isOpen() const { return m_file != nullptr; }

    void bytes(const void *data, std::size_t size)
    {
        if (size && std::fwrite(data, 1, size, m_file) != size)
            fail(rc::ExitCannotWrite);
    }
    void byte(std::uint8_t b) { bytes(&b, 1); }
    void u32(std::uint32_t v)
    {
        const unsigned char le[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                     static_cast<unsigned char>(v >> 16),
                                     static_cast<unsigned char>(v >> 24)};
        bytes(le, 4);
    }
    void text(const char *data, std::size_t size)
    {
        if (size > 0xFFFFFFFFu)
            fail(rc::ExitDamaged);
        u32(static_cast<std::uint32_t>(size));
        bytes(data, size);
    }
    void finish()
    {
        if (std::fflush(m_file) != 0 || std::ferror(m_file) || std::fclose(m_file) != 0)
            fail(rc::ExitCannotWrite);
        m_file = nullptr;
    }

private:
    std::FILE *m_file;
};

std::size_t bindSizeFromEnvironment()
{
    const char *value = std::getenv(rc::kBindSizeVariable);
    if (!value || !*value)
        return MDB_BIND_SIZE;
    char *end = nullptr;
    errno = 0;
    const unsigned long long n = std::strtoull(value, &end, 10);
    if (errno || *end)
        return MDB_BIND_SIZE;
    // Bound booleans, numbers and dates must still fit.
    if (n < 32)
        return 32;
    if (n > (1u << 24))
        return 1u << 24;
    return static_cast<std::size_t>(n);
}

// libmdb's text conversion (code page or UCS-2, compressed or not, to UTF-8).
// Every source byte gives at most three bytes of UTF-8, so the buffer never
// limits the result, unlike the bind size of bound columns.
std::string convertText(MdbHandle *mdb, const char *raw, std::size_t size)
{
    if (size == 0)
        return {};
    std::vector<char> out(size * 4 + 16);
    const int n = mdb_unicode2ascii(mdb, raw, size, out.data(), out.size());
    if (n < 0 || static_cast<std::size_t>(n) >= out.size())
        fail(rc::ExitDamaged);
    return std::string(out.data(), static_cast<std::size_t>(n));
}

bool insidePage(const MdbHandle *mdb, int start, int length)
{
    const int pageSize = static_cast<int>(mdb->fmt->pg_size);
    return start >= 0 && length >= 0 && start <= pageSize && length <= pageSize - start;
}

// Reads a memo whole through libmdb's long-value reader (inline, one page or a
// chain of pages) and converts it; the bind size plays no part.
std::string readMemo(MdbHandle *mdb, MdbColumn *col, std::vector<char> &pageBuffer)
{
    const int start = col->cur_value_start;
    const int length = col->cur_value_len;
    if (length < MDB_MEMO_OVERHEAD)
        return {};
    if (!insidePage(mdb, start, length))
        fail(rc::ExitDamaged);

    unsigned char header[MDB_MEMO_OVERHEAD];
    std::memcpy(header, mdb->pg_buf + start, MDB_MEMO_OVERHEAD);
    const std::uint32_t word = static_cast<std::uint32_t>(mdb_get_int32(header, 0));
    const std::uint32_t expected = word & kMemoLengthMask;
    if (!(word & (kMemoInline | kMemoSinglePage)) && (word & 0xFF000000u))
        fail(rc::ExitDamaged); // flags libmdb does not know
    if (expected == 0)
        return {};

    // The reader copies each piece into the column's bound buffer: give it a
    // page-sized one for the time of the read.
    void *bound = col->bind_ptr;
    col->bind_ptr = pageBuffer.data();
    std::string raw;
    std::size_t piece = mdb_ole_read(mdb, col, header, pageBuffer.size());
    while (piece > 0) {
        if (piece > pageBuffer.size() || raw.size() + piece > expected)
            fail(rc::ExitDamaged);
        raw.append(pageBuffer.data(), piece);
        piece = mdb_ole_read_next(mdb, col, header);
    }
    col->bind_ptr = bound;

    if (raw.size() != expected)
        fail(rc::ExitDamaged);
    return convertText(mdb, raw.data(), raw.size());
}

bool sameNameIgnoringCase(const char *a, const char *b)
{
    gchar *fa = g_utf8_casefold(a, -1);
    gchar *fb = g_utf8_casefold(b, -1);
    const bool same = fa && fb && std::strcmp(fa, fb) == 0;
    g_free(fa);
    g_free(fb);
    return same;
}

// One object of the catalog, as much of it as the reader needs.
struct CatalogTable {
    MdbCatalogEntry entry; // what mdb_read_table takes; no properties
};

// Reads the user tables from the catalog table MSysObjects (page 2), as
// mdb_read_catalog does, but without the property blobs of the objects:
// libmdb's parser of those loops without end on a truncated file. The row count
// of the catalog is checked like any table's.
std::vector<CatalogTable> userTables(MdbHandle *mdb)
{
    MdbCatalogEntry catalog{};
    catalog.mdb = mdb;
    catalog.object_type = MDB_TABLE;
    catalog.table_pg = 2;
    std::snprintf(catalog.object_name, sizeof catalog.object_name, "%s", "MSysObjects");

    MdbTableDef *table = mdb_read_table(&catalog);
    if (!table || !mdb_read_columns(table))
        fail(rc::ExitDamaged);
    const std::size_t size = mdb->bind_size;
    std::vector<char> id(size), name(size), type(size), flags(size);
    char idName[] = "Id", nameName[] = "Name", typeName[] = "Type", flagsName[] = "Flags";
    if (mdb_bind_column_by_name(table, idName, id.data(), nullptr) == -1 ||
        mdb_bind_column_by_name(table, nameName, name.data(), nullptr) == -1 ||
        mdb_bind_column_by_name(table, typeName, type.data(), nullptr) == -1 ||
        mdb_bind_column_by_name(table, flagsName, flags.data(), nullptr) == -1)
        fail(rc::ExitDamaged);

    std::vector<CatalogTable> tables;
    unsigned count = 0;
    mdb_rewind_table(table);
    while (mdb_fetch_row(table)) {
        if (++count > table->num_rows)
            fail(rc::ExitDamaged);
        CatalogTable object{};
        object.entry.mdb = mdb;
        object.entry.object_type = std::atoi(type.data()) & 0x7F;
        object.entry.table_pg = std::strtoul(id.data(), nullptr, 10) & 0x00FFFFFFu;
        object.entry.flags = static_cast<int>(std::strtol(flags.data(), nullptr, 10));
        std::snprintf(object.entry.object_name, sizeof object.entry.object_name, "%s", name.data());
        if (object.entry.object_type == MDB_TABLE && mdb_is_user_table(&object.entry) &&
            object.entry.object_name[0])
            tables.push_back(object);
    }
    if (count != table->num_rows)
        fail(rc::ExitDamaged);
    mdb_free_tabledef(table);
    return tables;
}

MdbCatalogEntry *findTable(std::vector<CatalogTable> &tables, const char *name)
{
    for (CatalogTable &table : tables)
        if (std::strcmp(table.entry.object_name, name) == 0)
            return &table.entry;
    for (CatalogTable &table : tables)
        if (sameNameIgnoringCase(table.entry.object_name, name))
            return &table.entry;
    return nullptr;
}

// Which columns of the table a run reads: all of them, all but some (left out
// columns stay in the header and read as NULL), or only some (the others are
// left out of the header too). Names are matched without regard to letter case.
struct Selection {
    enum class Mode { All, Skip, Only };
    Mode mode = Mode::All;
    std::vector<std::string> names;

    bool named(const char *column) const
    {
        for (const std::string &name : names)
            if (sameNameIgnoringCase(name.c_str(), column))
                return true;
        return false;
    }
    // True when the column's values are read.
    bool reads(const char *column) const
    {
        switch (mode) {
        case Mode::All:
            return true;
        case Mode::Skip:
            return !named(column);
        case Mode::Only:
            return named(column);
        }
        return true;
    }
    // True when the column is in the header (and in every row).
    bool lists(const char *column) const { return mode != Mode::Only || named(column); }
};

void writeHeader(Output &out, const std::vector<std::string> &columns)
{
    out.bytes(rc::kMagic, sizeof rc::kMagic);
    out.u32(static_cast<std::uint32_t>(columns.size()));
    for (const std::string &name : columns)
        out.text(name.data(), name.size());
}

int listTables(MdbHandle *mdb, Output &out)
{
    writeHeader(out, {"name"});
    std::uint32_t count = 0;
    for (const CatalogTable &table : userTables(mdb)) {
        out.byte(rc::kRowMarker);
        out.byte(rc::kValue);
        out.text(table.entry.object_name, std::strlen(table.entry.object_name));
        ++count;
    }
    out.byte(rc::kEndMarker);
    out.u32(count);
    out.finish();
    return rc::ExitOk;
}

int readTable(MdbHandle *mdb, const char *tableName, const Selection &selection, std::size_t bindSize,
              Output &out)
{
    std::vector<CatalogTable> tables = userTables(mdb);
    MdbCatalogEntry *entry = findTable(tables, tableName);
    if (!entry)
        return rc::ExitNoSuchTable;

    MdbTableDef *table = mdb_read_table(entry);
    if (!table || !mdb_read_columns(table) || !table->columns || table->columns->len != table->num_cols)
        fail(rc::ExitDamaged);
    // Only now: reading the catalog and the table definition copies property
    // values of up to a page into buffers of the bind size.
    mdb_set_bind_size(mdb, bindSize);

    const unsigned columnCount = table->num_cols;
    std::vector<std::string> names;
    std::vector<MdbColumn *> columns;
    std::vector<bool> reads(columnCount, false);
    std::vector<bool> lists(columnCount, false);
    std::vector<std::vector<char>> buffers(columnCount);
    std::vector<int> lengths(columnCount, 0);
    for (unsigned i = 0; i < columnCount; ++i) {
        auto *col = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        if (!col)
            fail(rc::ExitDamaged);
        columns.push_back(col);
        reads[i] = selection.reads(col->name);
        lists[i] = selection.lists(col->name);
        if (lists[i])
            names.emplace_back(col->name);
        // Text and memo values are read whole from the row itself (readMemo,
        // convertText), so they are left unbound: libmdb's own conversion of a
        // bound text stops at the bind size. Every other column read gets a
        // buffer of the full bind size, which libmdb may fill; a column not read
        // is left unbound and costs nothing.
        if (!reads[i] || col->col_type == MDB_TEXT || col->col_type == MDB_MEMO)
            continue;
        buffers[i].assign(bindSize, '\0');
        if (mdb_bind_column(table, static_cast<int>(i) + 1, buffers[i].data(), &lengths[i]) == -1)
            fail(rc::ExitDamaged);
    }
    std::vector<char> pageBuffer(static_cast<std::size_t>(mdb->fmt->pg_size) + 16);

    writeHeader(out, names);
    mdb_rewind_table(table);
    std::uint32_t count = 0;
    while (mdb_fetch_row(table)) {
        if (++count > table->num_rows)
            fail(rc::ExitDamaged);
        out.byte(rc::kRowMarker);
        for (unsigned i = 0; i < columnCount; ++i) {
            if (!lists[i])
                continue;
            if (!reads[i]) {
                out.byte(rc::kNull);
                continue;
            }
            MdbColumn *col = columns[i];
            switch (col->col_type) {
            case MDB_TEXT: {
                if (col->cur_value_len <= 0) {
                    out.byte(rc::kNull);
                    break;
                }
                if (!insidePage(mdb, col->cur_value_start, col->cur_value_len))
                    fail(rc::ExitDamaged);
                const std::string text =
                    convertText(mdb, reinterpret_cast<const char *>(mdb->pg_buf) + col->cur_value_start,
                                static_cast<std::size_t>(col->cur_value_len));
                out.byte(rc::kValue);
                out.text(text.data(), text.size());
                break;
            }
            case MDB_MEMO: {
                if (col->cur_value_len <= 0) {
                    out.byte(rc::kNull);
                    break;
                }
                const std::string text = readMemo(mdb, col, pageBuffer);
                out.byte(rc::kValue);
                out.text(text.data(), text.size());
                break;
            }
            case MDB_OLE:
                // Binary objects are no text; they read as NULL.
                out.byte(rc::kNull);
                break;
            default: {
                const std::size_t n = strnlen(buffers[i].data(), bindSize);
                if (n == bindSize)
                    fail(rc::ExitDamaged);
                if (n == 0 && col->col_type != MDB_BOOL) {
                    out.byte(rc::kNull);
                    break;
                }
                out.byte(rc::kValue);
                out.text(buffers[i].data(), n);
                break;
            }
            }
        }
    }
    // mdb_fetch_row gives 0 both at the end and on a read error.
    if (count != table->num_rows)
        fail(rc::ExitDamaged);
    out.byte(rc::kEndMarker);
    out.u32(count);
    out.finish();
    mdb_free_tabledef(table);
    return rc::ExitOk;
}

} // namespace

int main(int argc, char **argv)
{
    // MDBPATH with an empty entry makes mdb_open loop on a missing file; the
    // other variables change libmdb's text conversion or make it print.
    for (const char *name : {"MDBPATH", "MDB_ICONV", "MDB_JET3_CHARSET", "MDBOPTS"})
        unsetenv(name);
    std::setlocale(LC_ALL, "C");
    std::setlocale(LC_NUMERIC, "C"); // numbers are written with "."

    // Options choosing columns come first, each with one column name; --skip
    // and --only do not mix.
    Selection selection;
    bool usage = false;
    int first = 1;
    while (first + 1 < argc) {
        const bool skip = std::strcmp(argv[first], "--skip") == 0;
        if (!skip && std::strcmp(argv[first], "--only") != 0)
            break;
        const Selection::Mode mode = skip ? Selection::Mode::Skip : Selection::Mode::Only;
        usage = usage || (selection.mode != Selection::Mode::All && selection.mode != mode);
        selection.mode = mode;
        selection.names.emplace_back(argv[first + 1]);
        first += 2;
    }
    const bool listing = argc - first == 3 && std::strcmp(argv[first], "--tables") == 0;
    if (usage || argc - first != 3 || (listing && selection.mode != Selection::Mode::All)) {
        std::fprintf(stderr, "usage: vorlane-mdb-reader [--skip COLUMN]... FILE.mdb TABLE OUTPUT\n"
                             "       vorlane-mdb-reader [--only COLUMN]... FILE.mdb TABLE OUTPUT\n"
                             "       vorlane-mdb-reader --tables FILE.mdb OUTPUT\n");
        return rc::ExitUsage;
    }
    const char *path = listing ? argv[first + 1] : argv[first];
    const char *tableName = listing ? nullptr : argv[first + 1];
    const char *outputPath = argv[first + 2];

    std::FILE *probe = std::fopen(path, "rb");
    if (!probe)
        return rc::ExitCannotOpen;
    std::fclose(probe);

    Output out(outputPath);
    if (!out.isOpen())
        return rc::ExitCannotWrite;

    MdbHandle *mdb = mdb_open(path, MDB_NOFLAGS);
    if (!mdb || !mdb->fmt)
        return rc::ExitCannotOpen;
    mdb_set_boolean_fmt_numbers(mdb);
    mdb_set_date_fmt(mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_shortdate_fmt(mdb, "%Y-%m-%d");

    const int code =
        listing ? listTables(mdb, out) : readTable(mdb, tableName, selection, bindSizeFromEnvironment(), out);
    mdb_close(mdb);
    return code;
}
