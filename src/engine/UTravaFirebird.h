#pragma once
// The lock directory of a configuration's private databases.
//
// A demo store keeps its databases in files opened in-process, private to the user who made it.
// The system's lock directory (/tmp/firebird) is no place for them: once the system's server has
// run it belongs to the server's user, and an ordinary user cannot open any database in-process.
// So criar-demo puts a folder "firebird-trava" beside the demo's configuration file, and every
// process that opens that configuration (the command-line tool, the agent) takes that folder as
// its lock directory before its first connection: all of them share one, as they must.
//
// A configuration without that folder keeps the system's lock directory, the one the system's
// server shares, as a store's real databases need. A lock directory already chosen for the process
// by whoever started it (FIREBIRD_LOCK) is kept.
#include <filesystem>

inline constexpr const char* kPastaTravaFirebird = "firebird-trava";

// The folder beside `arquivoIni` that holds the lock files of its private databases.
std::filesystem::path FPastaTravaDaConfiguracao(const std::filesystem::path& arquivoIni);

// Takes that folder as this process's lock directory when it exists and none was chosen before.
// Call before the first connection of the process.
void PAplicaTravaDaConfiguracao(const std::filesystem::path& arquivoIni);
