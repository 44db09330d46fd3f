#pragma once
// The capture rule: which replicated table is captured in which database. Each table is governed
// by one flag of the table selection (the TABELAS keys of the configuration, in their order); a
// ticked flag creates the table's capture triggers, a cleared one drops them. The master-data
// tables carry them in the central database, the sales and fiscal tables in every point of sale.
// The window and the command-line tool both apply the rule through these routines.
#include <array>
#include <string_view>
#include <vector>

class TBancoDados;
class TSelecaoTabelas;

// The master-data tables: captured in the central database. Every other governed table is
// captured in the points of sale.
inline constexpr std::array<std::string_view, 7> kTabelasCadastro = {
    "PRODUTO", "FORNECE", "VENDEND", "CADUSUA", "CADOPER", "CLIENTE", "CDOPERC"};

struct TTabelaCaptura {
  std::string_view tabela;
  bool capturada;  // the state of the flag that governs it
};

// The tables of one side (`servidor`: the central database's, else the points of sale's) in the
// order of the flags, within a flag in the order it lists them, each with its flag's state.
std::vector<TTabelaCaptura> FTabelasCaptura(const TSelecaoTabelas& selecao, bool servidor);

// Central capture: the set-up of the queue objects in the central database, then the triggers of
// each master-data table created or dropped by its flag. Nothing changes when the set-up stops
// (a point of sale unreachable, a warning shown). Run on the master-data engine; an error of the
// lookups on the system tables (a connection lost) reaches the caller.
void PConfiguraBanco(TBancoDados& cadastro, const TSelecaoTabelas& selecao);
// Point-of-sale capture: the same for every reachable point of sale and the sales and fiscal
// tables.
void PConfiguraBancoVenda(TBancoDados& cadastro, const TSelecaoTabelas& selecao);
// One side (`servidor`: the central one), telling whether the set-up ran and the triggers were
// applied (false with no central entry, or when the set-up stopped).
bool FAplicaCaptura(TBancoDados& cadastro, const TSelecaoTabelas& selecao, bool servidor);
// Both, central first.
void PConfiguraCaptura(TBancoDados& cadastro, const TSelecaoTabelas& selecao);
