#pragma once
// Where this process's in-process engine keeps its lock files, and what a person can do when an
// ordinary user may not enter that directory.
//
// Every process that opens one database in-process must use the same lock directory: engines with
// different ones do not see each other's locks and can corrupt the file. The client library reads
// the directory once, at the first connection of the process, so a process chooses it before
// that and keeps it.
#include <filesystem>
#include <string>

#include "firebird/Error.h"

namespace fb {

// The lock directory of this process's in-process engine: FIREBIRD_LOCK when set, otherwise the
// client library's default, /tmp/firebird.
std::filesystem::path lockDirectory();

// Makes `directory` the lock directory of this process's in-process engine, creating it (for
// this user only) when it is missing. Call it before the first connection of the process; a
// later call does not reach the engine. Throws std::filesystem::filesystem_error when the
// directory cannot be made.
void useLockDirectory(const std::filesystem::path& directory);

// `error`, raised while opening or creating `database` in-process, with what a person can do
// added when its cause is a lock directory (or a lock file in it) this user may not enter: join
// the group of the server's user, or open the database through the server as localhost:path. Any
// other error comes back as it is.
Error explainOpenError(const Error& error, const std::string& database);

}  // namespace fb
