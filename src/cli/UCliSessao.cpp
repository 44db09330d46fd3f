#include "cli/UCliSessao.h"

#include <filesystem>
#include <system_error>

#include "engine/UMontaConexoes.h"
#include "engine/UTravaFirebird.h"
#include "engine/raw_ping.h"
#include "platform/UConfiguracao.h"

TSessaoCli::TSessaoCli(std::ostream& erro)
    : notificador(erro), cadastro(notificador), vendas(notificador), erro_(erro) {}

bool TSessaoCli::fbConecta(const TConfiguracao& configuracao, bool aindaQueFechado) {
  const std::filesystem::path arquivo = TConfiguracao::FArquivoPadrao();
  // Before the first connection: the private databases of a demo store share one lock directory
  // with every other process that opens this configuration.
  PAplicaTravaDaConfiguracao(arquivo);
  std::error_code ec;
  // A folder, a FIFO or a device would read as an empty configuration: say what it is instead.
  const auto tipo = std::filesystem::status(arquivo, ec).type();
  if (tipo != std::filesystem::file_type::regular && tipo != std::filesystem::file_type::not_found &&
      tipo != std::filesystem::file_type::none) {
    erro_ << "erro: o arquivo de configuração " << arquivo.string() << " não é um arquivo comum\n";
    return false;
  }
  const TDadosConexao central = configuracao.FLeConexaoServidor();
  if (fbEmBranco(central.caminho) && !std::filesystem::exists(arquivo, ec)) {
    erro_ << "erro: o arquivo de configuração " << arquivo.string() << " não existe\n";
    return false;
  }
  if (fbEmBranco(central.caminho) || fbEmBranco(central.usuario) || fbEmBranco(central.senha)) {
    erro_ << "erro: o arquivo de configuração " << TConfiguracao::FArquivoPadrao().string()
          << " não tem a conexão central completa (seção CONEXAO: CAMINHO, USUARIO e SENHA)\n";
    return false;
  }
  if (!cadastro.FCriaConexao(central.caminho, central.usuario, central.senha, "ConexaoServidor",
                             true)) {
    if (!aindaQueFechado) return false;
    cadastro.FCriaConexao(central.caminho, central.usuario, central.senha, "ConexaoServidor");
    vendas.FCriaConexao(central.caminho, central.usuario, central.senha, "ConexaoServidorVend");
  } else if (!vendas.FCriaConexao(central.caminho, central.usuario, central.senha,
                                  "ConexaoServidorVend", true)) {
    return false;
  }
  PMontaConexoes(cadastro, vendas, configuracao);
  return true;
}

bool TSessaoCli::fbAbreCaixas() {
  const TListaConexao& lista = cadastro.GetListaConexao();
  for (std::size_t k = 1; k < lista.FQuantidade(); ++k) {
    fb::Connection& conexao = lista.FConexao(k);
    const std::string host = FRetornaHost(conexao.database());
    if (!host.empty() && !FHostResponde(host)) {
      erro_ << "erro: o caixa [" << k << "] " << conexao.database()
            << " está inacessível (o computador " << host
            << " não responde); nenhum banco foi alterado\n";
      return false;
    }
    try {
      if (!conexao.isOpen()) conexao.open();
    } catch (const std::exception& e) {
      erro_ << "erro: o caixa [" << k << "] " << conexao.database()
            << " não pôde ser aberto; nenhum banco foi alterado\nMotivo: " << e.what() << '\n';
      return false;
    }
  }
  return true;
}
