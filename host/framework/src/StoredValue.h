// How a variant is kept in an SQLite column and read back with its exact type: integers (VT_I1 to
// VT_UI8, VT_INT, VT_UINT, VT_BOOL) as SQLite integers, VT_R4 and VT_R8 as reals, VT_BSTR as text.
#pragma once

#include "SqliteStatement.h"

#include <comdef.h>

namespace brio::detail {

// Binds the value to parameter `valueIndex` and its type to `typeIndex`. False for a type the store
// does not keep (empty, null, dates, objects, references) or an unsigned value above 2^63 - 1.
bool bindStoredValue(SqliteStatement& statement, int typeIndex, int valueIndex, const _variant_t& value);

// Reads a value back. A row whose stored type does not match its column (a file edited by hand)
// is read by what SQLite holds: integers as VT_I4 (VT_I8 when larger), reals as VT_R8, text as
// VT_BSTR. False for NULL and blobs.
bool readStoredValue(sqlite3_stmt* statement, int typeColumn, int valueColumn, _variant_t& value);

} // namespace brio::detail
