#pragma once
// A demo store: a central database and N point-of-sale databases, local files opened in-process,
// each with the store system's application tables and its machine list, the catalogue tables
// built by the structure updater, some master data in the central database, and the
// configuration file naming them all with every table selected.
#include <filesystem>
#include <ostream>

// Machine numbers run from "001"; "999" is not a point of sale.
inline constexpr int kMaximoCaixasDemo = 99;

struct TOpcoesDemo {
  std::filesystem::path pasta;
  int caixas = 2;
  bool substituir = false;  // replace an existing configuration file and databases
};

// Exit status of the command (0 success, 1 failure). On failure everything it created is removed
// again.
int FCriaDemo(const TOpcoesDemo& opcoes, std::ostream& saida, std::ostream& erro);
