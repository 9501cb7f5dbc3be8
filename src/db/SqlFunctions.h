#pragma once

struct sqlite3;

namespace orvan::db {

// Installs on a connection what T-SQL statements expect of the account database:
// - the collation NOCASE replaced by one that compares ASCII letters without regard to
//   case and ignores trailing blanks, as the account database's default collation does.
//   Text columns are declared COLLATE NOCASE, so the plain sqlite3 shell still opens and
//   reads the file with its built-in NOCASE; the two orders differ only for texts that
//   end in blanks on one side and continue with a control character on the other, so
//   write to an account through this engine only;
// - to_int_strict(x) and to_real_strict(x): convert as T-SQL does, failing on text that
//   is not a number of that kind;
// - len(x): length without trailing blanks; getdate(): the local date and time.
void installSqlFunctions(sqlite3 *db);

} // namespace orvan::db
