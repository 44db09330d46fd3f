#pragma once
// The 25 sales and fiscal tables the sales cycle carries, with what the dispatcher and the apply
// step say when they fail. Keys, their order in the queue and their types come from the table
// catalogue: the queue holds the primary key in the order of its definition, and the data-access
// classes take it in table column order.
#include <array>
#include <string_view>

enum class TRegraVenda {
  Comum,    // the action decides the statement
  Pedido,   // orders and order items: one of type "55" already in the central database is kept
  MvGeral,  // stock movements: an insert of a movement already there is skipped
};

struct TPassoVenda {
  std::string_view tabela;
  std::string_view passo;             // the apply step's name
  std::string_view mensagemDespacho;  // an error that leaves the dispatcher's branch
  std::string_view mensagemPasso;     // an error inside the apply step
  TRegraVenda regra;
};

// The entry of a queue TABELA value (compared exactly), or nullptr.
const TPassoVenda* FProcuraPassoVenda(std::string_view tabela);

// All 25, in the dispatcher's order.
const std::array<TPassoVenda, 25>& FPassosVenda();
