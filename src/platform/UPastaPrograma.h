#pragma once
// Where the program keeps its files.
//
// The configuration file and the log folder live beside the executable wherever that folder is
// the agent's own: a store's folder, a portable copy, a demo. An agent installed into a shared
// program folder (/usr/bin, /usr/local/bin...) or into one this user may not write uses per-user
// folders instead, as a Linux desktop program does:
//   configuration  $XDG_CONFIG_HOME/sincrovia/  (default ~/.config/sincrovia/)
//   log            $XDG_STATE_HOME/sincrovia/   (default ~/.local/state/sincrovia/), LogIntg inside
// A service sets those two variables to place them elsewhere (/etc and /var/log, for example).
// Both executables decide through these functions, so they always agree.
#include <filesystem>

// The folder of the running executable, with no trailing separator.
std::filesystem::path FPastaExecutavel();

// Whether `pasta` is the agent's own: this user may write it and it is not a folder shared by
// many programs (/bin, /sbin, anything under /usr, ~/.local/bin).
bool fbPastaPropria(const std::filesystem::path& pasta);

// The program folder: the executable's folder until PDefinePastaPrograma names another one (an
// empty path restores the executable's folder).
std::filesystem::path FPastaPrograma();
void PDefinePastaPrograma(std::filesystem::path pasta);

// The two folders an executable living in `pastaExecutavel` uses, by the rule above (nothing is
// created).
struct TPastasAgente {
  std::filesystem::path configuracao;  // holds VeltrixIntegracao.ini
  std::filesystem::path estado;        // holds LogIntg
};
TPastasAgente FPastasAgente(const std::filesystem::path& pastaExecutavel);

// The folder of the configuration file: the program folder when it was named by
// PDefinePastaPrograma or is the agent's own, else $XDG_CONFIG_HOME/sincrovia, which is then
// created (readable by its owner alone) when missing.
std::filesystem::path FPastaConfiguracao();
// The folder that holds LogIntg: the program folder under the same rule, else
// $XDG_STATE_HOME/sincrovia (LogIntg inside is created by the first entry).
std::filesystem::path FPastaEstado();
