#pragma once
// Where the program keeps its files: the configuration file and the log folder live in the
// program folder, which is the executable's own folder unless redirected (tests, or a
// command-line option naming another place).
#include <filesystem>

// The folder of the running executable, with no trailing separator.
std::filesystem::path FPastaExecutavel();

// The program folder: the executable's folder until PDefinePastaPrograma names another one.
std::filesystem::path FPastaPrograma();
void PDefinePastaPrograma(std::filesystem::path pasta);
