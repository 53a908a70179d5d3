// Running parsed statements on the workspace, one function per kind. Each throws HostError when
// the statement fails; what it changed before failing stays changed, as in MapInfo.
#pragma once

#include <string_view>

#include "sim/mapinfo/syntax.h"
#include "sim/mapinfo/workspace.h"

namespace ornil::sim::mb {

void RunStatement(Workspace& ws, const Statement& statement);

void RunSelect(Workspace& ws, const SelectStmt& s);
void RunFetch(Workspace& ws, const FetchStmt& s);
void RunUpdate(Workspace& ws, const UpdateStmt& s);
void RunInsert(Workspace& ws, const InsertStmt& s);
void RunCloseTable(Workspace& ws, const CloseTableStmt& s);
void RunMetadata(Workspace& ws, const MetadataStmt& s);
void RunSetTable(Workspace& ws, const SetTableStmt& s);

void RunCloseWindow(Workspace& ws, const CloseWindowStmt& s);
void RunSetWindow(Workspace& ws, const SetWindowStmt& s);
void RunSetMap(Workspace& ws, const SetMapStmt& s);
void RunSetNextDocument(Workspace& ws, const SetNextDocumentStmt& s);
void RunMenuCommand(Workspace& ws, const RunMenuCommandStmt& s);
void RunMap(Workspace& ws, const MapStmt& s);
void RunBrowse(Workspace& ws, const BrowseStmt& s);

// Helpers shared by the statement files.
Table& RequireTable(Workspace& ws, std::string_view name);
// An expression that reads no row: variables, functions, columns at their cursors.
Value EvaluateConstant(Workspace& ws, const Expr& e);
int EvaluateInteger(Workspace& ws, const Expr& e);
// The row ids of `table` for which the condition holds (all rows for a null condition).
// "RowId = n" is looked up directly.
std::vector<int> MatchingRows(Workspace& ws, Table& table, const ExprPtr& where);

}  // namespace ornil::sim::mb
