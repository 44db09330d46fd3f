#pragma once
// A demo store: a central database and N point-of-sale databases, local files opened in-process,
// each with the store system's application tables and its machine list, the catalogue tables
// built by the structure updater, some master data in the central database, and the
// configuration file naming them all with every table selected.
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "schema/UCatalogo.h"

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

// Creates one database file, opened in-process, with the store system's application tables and
// its machine list: one PDVFISC row per machine, serial number "DEMO" + machine. A demo store
// goes without forced writes, for speed over durability.
void PCriaBancoDemo(const std::filesystem::path& arquivo, const std::vector<std::string>& maquinas,
                    bool forcedWrites = false);

// The INSERT of one row of a catalogue table: the columns given in `valores` plus every NOT NULL
// column not given, each as a named parameter of its own name, in catalogue order. `parametros`
// are what the caller binds, in that order, each with its text from `valores`; a column not given
// has empty text and takes the empty value of its type, so the row satisfies the table whatever it
// declares.
struct TParametroCatalogo {
  const TColunaCatalogo* coluna;
  std::string valor;
};
struct TInsercaoCatalogo {
  std::string sql;
  std::vector<TParametroCatalogo> parametros;
};
TInsercaoCatalogo FInsercaoCatalogo(const TTabelaCatalogo& tabela,
                                    const std::map<std::string, std::string>& valores);
