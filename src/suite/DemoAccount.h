#pragma once

#include <string>

namespace orvan::suite {

// Creates an account file with the schema and, when withDemoData is set, the demo
// account's data. Raises base::Error, leaving what was there before, when:
// - the path names a folder (or anything but a file), or its folder cannot be made;
// - the file exists and overwrite is not set;
// - the file is an account another program is writing to.
// The new account is written beside the path and renamed into place, so a failure
// halfway leaves the old file whole.
void writeAccount(const std::string &path, bool overwrite, bool withDemoData = true);

// Creates the account's tables and, when withDemoData is set, the demo data in a database
// on a PostgreSQL server (connection: the client library's connection string), all in one
// transaction. Raises base::Error, leaving the database as it was, when the server cannot
// be reached or refuses, or when the database holds tables already and overwrite is not
// set (with overwrite, everything in its schema is replaced). Returns false without
// writing when ifMissing is set and the database holds tables already.
bool writeServerAccount(const std::string &connection, bool overwrite, bool ifMissing = false,
                        bool withDemoData = true);

} // namespace orvan::suite
