#include "engine/UCapturaTabelas.h"

#include <algorithm>
#include <string>

#include "engine/UBancoDados.h"
#include "platform/UConfiguracao.h"

namespace {

constexpr bool fbTabelaCadastro(std::string_view tabela) {
  return std::find(kTabelasCadastro.begin(), kTabelasCadastro.end(), tabela) !=
         kTabelasCadastro.end();
}

// The master-data tables are the ones the first seven flags govern, one each, in that order.
consteval bool fbCadastroNasPrimeirasChaves() {
  for (std::size_t i = 0; i < kTabelasCadastro.size(); ++i) {
    const auto& tabelas = kChavesTabelas[i].tabelas;
    if (tabelas[0] != kTabelasCadastro[i] || !tabelas[1].empty()) return false;
  }
  return true;
}
static_assert(fbCadastroNasPrimeirasChaves());

}  // namespace

bool FAplicaCaptura(TBancoDados& cadastro, const TSelecaoTabelas& selecao, bool servidor) {
  if (cadastro.GetListaConexao().FQuantidade() == 0) return false;
  if (!cadastro.FConfiguraBanco(servidor)) return false;
  for (const TTabelaCaptura& t : FTabelasCaptura(selecao, servidor)) {
    if (t.capturada)
      cadastro.PCriaTrigger(std::string(t.tabela), servidor);
    else
      cadastro.PExcluiTrigger(std::string(t.tabela), servidor);
  }
  return true;
}

std::vector<TTabelaCaptura> FTabelasCaptura(const TSelecaoTabelas& selecao, bool servidor) {
  std::vector<TTabelaCaptura> tabelas;
  for (std::size_t i = 0; i < kChavesTabelas.size(); ++i)
    for (const std::string_view tabela : kChavesTabelas[i].tabelas)
      if (!tabela.empty() && fbTabelaCadastro(tabela) == servidor)
        tabelas.push_back({tabela, selecao[i]});
  return tabelas;
}

void PConfiguraBanco(TBancoDados& cadastro, const TSelecaoTabelas& selecao) {
  FAplicaCaptura(cadastro, selecao, true);
}

void PConfiguraBancoVenda(TBancoDados& cadastro, const TSelecaoTabelas& selecao) {
  FAplicaCaptura(cadastro, selecao, false);
}

void PConfiguraCaptura(TBancoDados& cadastro, const TSelecaoTabelas& selecao) {
  PConfiguraBanco(cadastro, selecao);
  PConfiguraBancoVenda(cadastro, selecao);
}
