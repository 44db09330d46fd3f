#include "engine/UMontaConexoes.h"

#include "engine/UBancoDados.h"
#include "platform/UConfiguracao.h"
#include "platform/UGenerico.h"

void PMontaConexoes(TBancoDados& cadastro, TBancoDados& vendas,
                    const TConfiguracao& configuracao) {
  if (cadastro.GetListaConexao().FQuantidade() == 0 ||
      vendas.GetListaConexao().FQuantidade() == 0)
    return;
  for (int n = 0;; ++n) {
    const TDadosConexao dados = configuracao.FLeConexaoCaixa(n);
    if (fbEmBranco(dados.caminho)) return;
    // A section whose path is already registered (an earlier section, or a rerun after a point of
    // sale was added) adds nothing.
    if (cadastro.FExisteConexao(dados.caminho)) continue;
    if (fbEmBranco(dados.usuario) || fbEmBranco(dados.senha)) return;
    TGenerico::PGeraLog("Montando conexao cadastro.");
    cadastro.FCriaConexao(dados.caminho, dados.usuario, dados.senha, "");
    TGenerico::PGeraLog("Montando conexao venda.");
    vendas.FCriaConexao(dados.caminho, dados.usuario, dados.senha, "");
  }
}
