// Persisting a table's rows in its own metadata: the writer used by the setup window and the
// reader used by the setup window (with diagnostics) and by the info window (without).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "host/mapbasic_link.h"
#include "settings/view_line.h"

namespace ornil {

// Replaces the table's stored rows with `fields`, in order; an item without a descriptor
// (nullptr) keeps its number free. False, with nothing sent, when the list is empty.
bool ToSaveParametersOfAttributes(const TMapInfo& link, std::string_view table,
                                  std::span<const TViewLine* const> fields);

// Reads the table's rows into `lines` and prepares, in the temporary table named by `selection`,
// the values of the expression rows for row `rowId`. Without stored rows, one row per column.
// True when `lines` is not empty.
bool ToTakeParametersOfAttributes(const TMapInfo& link, std::string_view table, int rowId,
                                  TViewLines& lines, std::string& selection, bool diagnostics);

}  // namespace ornil
