// The History table of a game file: written by Save, read and checked by Open.
#pragma once

#include "game/history.h"
#include "game/sqlite.h"

namespace zenthar {

// Brings the History table of an open game database up to `history`: years the file already
// holds as the beginning of `history` stay, the rest are added; a table that holds anything
// else is written anew. Throws StorageError as the database's other writes do.
void WriteHistory(sqlite::Database& db, const History& history);

// Reads and checks the History table of a saved game. A file without the table (saved before
// the game kept a history) gives an empty history; a table from before a newer figure's column
// opens with that figure missing (kNoFigure) in every year. A table that is not one the game wrote
// (a missing column, a value out of range, a year twice or out of order, a side missing or not
// in the game, a year at or after `currentYear`, a report that does not unpack) throws
// SaveLoadError 13.
History ReadHistory(const sqlite::Database& db, int players, int currentYear);

}  // namespace zenthar
