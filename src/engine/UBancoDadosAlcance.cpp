// TBancoDados: reachability of an entry. A point of sale may be switched off at any moment, so
// before one is used its host is asked for an ICMP echo (or, where the process may open no ICMP
// socket, for a TCP connection to the database port), and only a host that answers (or a local
// database) has its connection closed, reopened and probed. Nothing waits for a host that is off.
#include <exception>

#include "engine/UBancoDados.h"
#include "engine/raw_ping.h"
#include "firebird/Statement.h"
#include "platform/UGenerico.h"

std::string FRetornaHost(const std::string& caminho) {
  const std::size_t doisPontos = caminho.find(':');
  if (doisPontos == std::string::npos) return {};
  std::string host = caminho.substr(0, doisPontos);
  // Nothing, or a single character before the colon: a local path, possibly with a drive letter.
  if (host.size() < 2) return {};
  // \\host\share: the named-pipe form.
  if (host.find("\\\\") != std::string::npos) host.erase(0, 2);
  const std::size_t barra = host.find('\\');
  if (barra != std::string::npos) host.erase(barra);
  return host;
}

bool FVerificaBancoOnline(fb::Connection& conexao) {
  try {
    fb::Statement consulta(conexao, "Select PdvFisc.Maquina From PdvFisc");
    consulta.executeQuery();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool TBancoDados::FVerificaConexao(std::size_t posicao) {
  fb::Connection& conexao = listaConexao_.FConexao(posicao);
  try {
    // "servidor/3051" names a server on another port: the echo goes to "servidor", the TCP probe
    // to that port.
    const std::string host = FRetornaHost(conexao.database());
    if (!host.empty() && !FHostResponde(host)) return false;
    // Reopened even when open and healthy: a connection whose server went away in between would
    // otherwise look open.
    conexao.close();
    conexao.open();
    return FVerificaBancoOnline(conexao);
  } catch (const std::exception& erro) {
    TGenerico::PGeraLog(std::string("ERRO_VERIFICAÇÃO_BANCO: ") + erro.what());
    return false;
  }
}

bool TBancoDados::FVerificaTodasConexoes() {
  for (std::size_t i = 1; i < listaConexao_.FQuantidade(); ++i)
    if (!FVerificaConexao(i)) return false;
  return true;
}

bool TBancoDados::FReestabeleceConexao(std::size_t posicao) {
  fb::Connection& conexao = listaConexao_.FConexao(posicao);
  try {
    return FVerificaConexao(posicao);
  } catch (const std::exception& erro) {
    // The number makes the entry recognisable in the log; a database that cannot even tell it
    // leaves it empty rather than hiding the original failure.
    std::string caixa;
    try {
      caixa = FBuscaNumeroCaixa(&conexao);
    } catch (const std::exception&) {
    }
    TGenerico::PGeraLog("Houve falha na tentativa de reestabelecer a conexão: \rbanco de dados: " +
                        conexao.database() + "\r" + "caixa: " + caixa + "\r" + erro.what());
    return false;
  }
}
