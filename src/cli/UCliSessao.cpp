#include "cli/UCliSessao.h"

#include "engine/UMontaConexoes.h"
#include "platform/UConfiguracao.h"

TSessaoCli::TSessaoCli(std::ostream& erro)
    : notificador(erro), cadastro(notificador), vendas(notificador), erro_(erro) {}

bool TSessaoCli::fbConecta(const TConfiguracao& configuracao) {
  const TDadosConexao central = configuracao.FLeConexaoServidor();
  if (fbEmBranco(central.caminho) || fbEmBranco(central.usuario) || fbEmBranco(central.senha)) {
    erro_ << "erro: o arquivo de configuração " << TConfiguracao::FArquivoPadrao().string()
          << " não tem a conexão central completa (seção CONEXAO: CAMINHO, USUARIO e SENHA)\n";
    return false;
  }
  if (!cadastro.FCriaConexao(central.caminho, central.usuario, central.senha, "ConexaoServidor",
                             true))
    return false;
  if (!vendas.FCriaConexao(central.caminho, central.usuario, central.senha,
                           "ConexaoServidorVend", true))
    return false;
  PMontaConexoes(cadastro, vendas, configuracao);
  return true;
}
