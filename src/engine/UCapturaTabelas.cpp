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

void PConfiguraLado(TBancoDados& cadastro, const TSelecaoTabelas& selecao, bool servidor) {
  if (cadastro.GetListaConexao().FQuantidade() == 0) return;
  if (!cadastro.FConfiguraBanco(servidor)) return;
  for (const TTabelaCaptura& t : FTabelasCaptura(selecao, servidor)) {
    if (t.capturada)
      cadastro.PCriaTrigger(std::string(t.tabela), servidor);
    else
      cadastro.PExcluiTrigger(std::string(t.tabela), servidor);
  }
}

}  // namespace

std::vector<TTabelaCaptura> FTabelasCaptura(const TSelecaoTabelas& selecao, bool servidor) {
  std::vector<TTabelaCaptura> tabelas;
  for (std::size_t i = 0; i < kChavesTabelas.size(); ++i)
    for (const std::string_view tabela : kChavesTabelas[i].tabelas)
      if (!tabela.empty() && fbTabelaCadastro(tabela) == servidor)
        tabelas.push_back({tabela, selecao[i]});
  return tabelas;
}

void PConfiguraBanco(TBancoDados& cadastro, const TSelecaoTabelas& selecao) {
  PConfiguraLado(cadastro, selecao, true);
}

void PConfiguraBancoVenda(TBancoDados& cadastro, const TSelecaoTabelas& selecao) {
  PConfiguraLado(cadastro, selecao, false);
}

void PConfiguraCaptura(TBancoDados& cadastro, const TSelecaoTabelas& selecao) {
  PConfiguraBanco(cadastro, selecao);
  PConfiguraBancoVenda(cadastro, selecao);
}
