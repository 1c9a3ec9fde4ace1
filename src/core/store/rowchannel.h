#pragma once

#include "core/store/tablerows.h"

#include <QByteArray>
#include <optional>

namespace vorlane {

// Decodes the rows the Access reader helper wrote (format in
// core/store/rowchannelformat.h) into a table named tableName. NULL values
// become the empty text; invalid UTF-8 is replaced, never refused.
// std::nullopt when the data is malformed in any way: wrong magic, a length
// beyond the data, a bad marker or flag, a row count that differs from the rows
// present, or bytes after the end record.
std::optional<TableRows> DecodeRowChannel(const QByteArray &data, const QString &tableName);

} // namespace vorlane
