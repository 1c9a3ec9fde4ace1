#pragma once

// Layout of the row channel that the Access reader helper (vorlane-mdb-reader)
// writes and the store reads back. Plain C++ without Qt: the helper includes it
// too. All integers are unsigned 32-bit little-endian.
//
//   magic       4 bytes "VMR1"
//   columns     u32 count, then per column: u32 byte length + UTF-8 name
//   rows        per row: the byte 'R', then per column:
//                 null flag byte (0 value follows, 1 NULL and nothing follows)
//                 u32 byte length + UTF-8 text       (when the flag is 0)
//   end         the byte 'E', u32 number of rows written
//
// Nothing may follow the end record. A channel that breaks any of these rules,
// stops early or announces more bytes than it holds is malformed.
//
// Helper command lines:
//   vorlane-mdb-reader FILE.mdb TABLE OUTPUT    the rows of TABLE (name found
//                                               without regard to letter case)
//   vorlane-mdb-reader --tables FILE.mdb OUTPUT the user tables: one column
//                                               "name", one row per table
// Before FILE.mdb, either of these options, repeated once per column (names
// found without regard to letter case; a name the table lacks is ignored):
//   --skip COLUMN   every column stays in the header, but COLUMN is not read:
//                   each of its values is written as NULL
//   --only COLUMN   only the columns named are read and written, header
//                   included, in table order
// Every run reads the rows in the same stored order.
// Environment read by the helper only: VORLANE_MDB_BIND_SIZE, the bind size
// given to libmdb (bytes, at least 32; default libmdb's 16,384). Memo and text
// fields are read whole whatever it is.

#include <cstdint>

namespace vorlane::rowchannel {

inline constexpr char kMagic[4] = {'V', 'M', 'R', '1'};
inline constexpr char kRowMarker = 'R';
inline constexpr char kEndMarker = 'E';
inline constexpr std::uint8_t kValue = 0;
inline constexpr std::uint8_t kNull = 1;

// Exit codes of the helper.
enum ExitCode : int {
    ExitOk = 0,
    ExitUsage = 1,
    ExitCannotOpen = 2,  // the file is missing or is not an Access database
    ExitNoSuchTable = 3, // no user table has that name
    ExitDamaged = 4,     // the catalog, the table or a row could not be read consistently
    ExitCannotWrite = 5, // the output could not be written
};

inline constexpr const char *kBindSizeVariable = "VORLANE_MDB_BIND_SIZE";

} // namespace vorlane::rowchannel
