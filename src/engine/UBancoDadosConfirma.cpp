// TBancoDados: one queue row's commit across two databases, and the recovery of what an agent
// that stopped in the middle of it left behind.
//
// The change is written in the target's transaction and the queue row is deleted in the source's.
// The target is then prepared (the first phase of Firebird's two-phase commit) with a description
// that names the source database and the queue row, the source is committed, and the target is
// committed last. Whatever moment the agent stops at, the next cycle can tell what happened:
//   - before the prepare, the target's transaction dies with its attachment and the source still
//     holds the row: the row is applied again, once;
//   - after the prepare, the target's transaction waits in limbo; the recovery commits it when the
//     source no longer holds the row (the delete was committed) and rolls it back when it does.
// A prepare with a description was chosen over a distributed transaction over both attachments:
// the description lets the next cycle find the source and the row without the coordinator's
// record, the source's delete commits alone (nothing of the source is ever in limbo, so the
// store system never meets a locked queue), and the order of the row's steps stays the one the
// operators know: write, delete, commit.
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

#include "engine/UBancoDados.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"
#include "platform/UGenerico.h"

namespace {

constexpr std::string_view kMarca = "Sincrovia";

const char* FSqlExcluiFila3() {
  return "delete from integecf where integecf.codempresa = :PCodEmpresa and integecf.ecf = :PEcf "
         "and integecf.arquivo = :PArquivo ";
}
const char* FSqlExcluiFila4() {
  return "delete from integecf where integecf.codempresa = :PCodEmpresa and integecf.ecf = :PEcf "
         "and integecf.arquivo = :PArquivo and integecf.acao = :PAcao ";
}

// The fields of a description, one per line; a line break or backslash inside a value is escaped.
std::string FEscapa(const std::string& valor) {
  std::string saida;
  for (char c : valor) {
    if (c == '\\')
      saida += "\\\\";
    else if (c == '\n')
      saida += "\\n";
    else
      saida += c;
  }
  return saida;
}

std::vector<std::string> FCampos(const std::string& texto) {
  std::vector<std::string> campos(1);
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c == '\n') {
      campos.emplace_back();
    } else if (c == '\\' && i + 1 < texto.size()) {
      campos.back() += texto[i + 1] == 'n' ? '\n' : texto[i + 1];
      ++i;
    } else {
      campos.back() += c;
    }
  }
  return campos;
}

// What the prepared transaction of one queue row is known by.
struct TDescricao {
  bool venda = false;
  std::string origem;
  TLinhaIntegECF linha;
};

std::string FDescricao(bool venda, const std::string& origem, const TLinhaIntegECF& linha) {
  return std::string(kMarca) + "\n" + (venda ? "venda" : "cadastro") + "\n" + FEscapa(origem) +
         "\n" + FEscapa(linha.codEmpresa) + "\n" + FEscapa(linha.ecf) + "\n" +
         FEscapa(linha.arquivo) + "\n" + FEscapa(linha.acao);
}

bool fbLeDescricao(const std::string& texto, TDescricao& descricao) {
  const std::vector<std::string> campos = FCampos(texto);
  if (campos.size() != 7 || campos[0] != kMarca) return false;
  if (campos[1] != "venda" && campos[1] != "cadastro") return false;
  descricao.venda = campos[1] == "venda";
  descricao.origem = campos[2];
  descricao.linha.codEmpresa = campos[3];
  descricao.linha.ecf = campos[4];
  descricao.linha.arquivo = campos[5];
  descricao.linha.acao = campos[6];
  return true;
}

void PVinculaLinha(fb::Statement& comando, const TLinhaIntegECF& linha, bool porAcao) {
  comando.setString("PCodEmpresa", linha.codEmpresa);
  comando.setString("PEcf", linha.ecf);
  comando.setString("PArquivo", linha.arquivo);
  if (porAcao) comando.setString("PAcao", linha.acao);
}

std::string FRotuloLinha(const TLinhaIntegECF& linha) {
  return "CODEMPRESA " + linha.codEmpresa + ", ECF " + linha.ecf + ", ARQUIVO " + linha.arquivo +
         (linha.acao.empty() ? std::string() : ", ACAO " + linha.acao);
}

}  // namespace

void TBancoDados::PNotificaPasso(TPassoLinha passo, const TLinhaIntegECF& linha) {
  if (observadorPasso_) observadorPasso_(passo, linha);
}

bool TBancoDados::fbExcluiLinhaFila(std::size_t fonte, const TLinhaIntegECF& linha, bool porAcao,
                                    bool& achou) {
  try {
    PAbreTransacao(fonte, 1);
    fb::Statement comando(listaConexao_.FConexao(fonte), porAcao ? FSqlExcluiFila4() : FSqlExcluiFila3());
    PVinculaLinha(comando, linha, porAcao);
    comando.execute();
    achou = comando.affectedRows() > 0;
    return true;
  } catch (const std::exception& erro) {
    try {
      PCancelaTransacao(fonte, 1);
    } catch (const std::exception&) {
      // A source that went away undoes the delete itself.
    }
    TGenerico::PGeraLog(erro.what());
    return false;
  }
}

// Commits the queue-row delete of entry `posicao`; a failed commit is rolled back and logged.
void TBancoDados::PConfirmaOuCancela(std::size_t posicao) {
  try {
    PConfirmaTransacao(posicao, 1);
  } catch (const std::exception& erro) {
    try {
      PCancelaTransacao(posicao, 1);
    } catch (const std::exception&) {
    }
    TGenerico::PGeraLog(erro.what());
  }
}

void TBancoDados::PConfirmaAtualizacao(const std::string& codEmpresa, const std::string& ecf,
                                       const std::string& arquivo, std::size_t posicao) {
  TLinhaIntegECF linha{codEmpresa, ecf, arquivo, {}, {}, {}};
  bool achou = false;
  if (!fbExcluiLinhaFila(posicao, linha, false, achou)) return;
  PConfirmaOuCancela(posicao);
}

void TBancoDados::PConfirmaAtualizacao(const std::string& codEmpresa, const std::string& ecf,
                                       const std::string& arquivo, int tipo, std::size_t posicao) {
  TLinhaIntegECF linha{codEmpresa, ecf, arquivo, {}, FRetornaTipoAcao(tipo), {}};
  bool achou = false;
  if (!fbExcluiLinhaFila(posicao, linha, true, achou)) return;
  PConfirmaOuCancela(posicao);
}

TBancoDados::TFimLinha TBancoDados::FConfirmaLinha(std::size_t destino, std::size_t fonte,
                                                   const TLinhaIntegECF& linha, bool porAcao,
                                                   bool exigeLinha, bool venda) {
  fb::Connection& alvo = listaConexao_.FConexao(destino);
  fb::Connection& origem = listaConexao_.FConexao(fonte);
  auto desfazAmbos = [&] {
    try {
      PCancelaTransacao(fonte, 1);
    } catch (const std::exception&) {
    }
    try {
      PCancelaTransacao(destino, 1);
    } catch (const std::exception&) {
    }
  };

  PNotificaPasso(TPassoLinha::AposEscrita, linha);
  bool achou = false;
  if (!fbExcluiLinhaFila(fonte, linha, porAcao, achou)) {
    // The row stays in the queue; so must the change, or the next cycle would apply it twice.
    desfazAmbos();
    return TFimLinha::Mantida;
  }
  if (!achou && exigeLinha) {
    desfazAmbos();
    TGenerico::PGeraLog("A linha da fila já não estava no banco de origem (" + FRotuloLinha(linha) +
                        "); outro processo a aplicou. Nada foi gravado.");
    return TFimLinha::Tomada;
  }
  PNotificaPasso(TPassoLinha::AposExclusao, linha);
  try {
    alvo.prepare(FDescricao(venda, origem.database(), linha));
  } catch (...) {
    desfazAmbos();
    throw;
  }
  PNotificaPasso(TPassoLinha::AposPreparo, linha);

  // From here on the target must not be rolled back blindly: once the source's commit may have
  // happened, only the source can tell whether the change belongs in the target.
  auto deixaEmLimbo = [&](const std::exception& erro) {
    try {
      PCancelaTransacao(fonte, 1);
    } catch (const std::exception&) {
    }
    alvo.closeLeavingPrepared();
    TGenerico::PGeraLog("A confirmação da linha da fila (" + FRotuloLinha(linha) +
                        ") ficou pendente e será resolvida pela recuperação.\rMotivo: " +
                        erro.what());
    try {
      alvo.open();
      PRecuperaDestino(destino, venda);
    } catch (const std::exception&) {
      // The next cycle's recovery tries again.
    }
  };
  try {
    PConfirmaTransacao(fonte, 1);
  } catch (const std::exception& erro) {
    deixaEmLimbo(erro);
    throw;
  }
  PNotificaPasso(TPassoLinha::AposConfirmacaoFonte, linha);
  try {
    PConfirmaTransacao(destino, 1);
  } catch (const std::exception& erro) {
    deixaEmLimbo(erro);
    throw;
  }
  PNotificaPasso(TPassoLinha::AposConfirmacao, linha);
  return TFimLinha::Confirmada;
}

void TBancoDados::PRecuperaDestino(std::size_t destino, bool venda) {
  fb::Connection& alvo = listaConexao_.FConexao(destino);
  if (!alvo.isOpen()) alvo.open();

  struct TCandidata {
    std::int64_t id;
    TDescricao descricao;
  };
  std::vector<TCandidata> candidatas;
  {
    fb::Statement consulta(
        alvo,
        "select rdb$transaction_id, cast(substring(rdb$transaction_description from 1 for 4000) "
        "as varchar(4000) character set octets) from rdb$transactions where "
        "rdb$transaction_state = 1",
        false);
    fb::ResultSet linhas = consulta.executeQuery();
    while (linhas.next()) {
      TCandidata c{linhas.getInt64(0u), {}};
      if (fbLeDescricao(linhas.getString(1u), c.descricao) && c.descricao.venda == venda)
        candidatas.push_back(std::move(c));
    }
  }
  if (candidatas.empty()) return;

  // A prepared transaction whose agent is still at work (another process between its prepare and
  // its commit) is listed among the live ones and is not ours to resolve.
  std::set<std::int64_t> vivas;
  {
    fb::Statement consulta(alvo, "select mon$transaction_id from mon$transactions", false);
    fb::ResultSet linhas = consulta.executeQuery();
    while (linhas.next()) vivas.insert(linhas.getInt64(0u));
  }

  std::map<std::size_t, bool> alcancadas;  // sources checked in this recovery
  for (const TCandidata& c : candidatas) {
    if (vivas.count(c.id)) continue;
    const std::string rotulo = "Transação pendente " + std::to_string(c.id) + " (" +
                               FRotuloLinha(c.descricao.linha) + ", origem " +
                               c.descricao.origem + ")";
    std::size_t fonte = 0;
    bool encontrada = false;
    for (std::size_t j = 0; j < listaConexao_.FQuantidade() && !encontrada; ++j) {
      if (j == destino || (venda ? j == 0 : j != 0)) continue;
      if (listaConexao_.FConexao(j).database() == c.descricao.origem) {
        fonte = j;
        encontrada = true;
      }
    }
    if (!encontrada) {
      TGenerico::PGeraLog(rotulo + " mantida: o banco de origem não está configurado.");
      continue;
    }
    bool existe = false;
    try {
      auto it = alcancadas.find(fonte);
      if (it == alcancadas.end()) {
        fb::Connection& origem = listaConexao_.FConexao(fonte);
        bool pronta = origem.isOpen() && FVerificaBancoOnline(origem);
        if (!pronta) pronta = venda ? FReestabeleceConexao(fonte) : (origem.open(), true);
        it = alcancadas.emplace(fonte, pronta).first;
      }
      if (!it->second) {
        TGenerico::PGeraLog(rotulo + " mantida: o banco de origem não pode ser alcançado.");
        continue;
      }
      const bool porAcao = venda;
      fb::Statement consulta(
          listaConexao_.FConexao(fonte),
          std::string("select count(*) from integecf where integecf.codempresa = :PCodEmpresa and "
                      "integecf.ecf = :PEcf and integecf.arquivo = :PArquivo") +
              (porAcao ? " and integecf.acao = :PAcao" : ""));
      PVinculaLinha(consulta, c.descricao.linha, porAcao);
      fb::ResultSet linhas = consulta.executeQuery();
      linhas.expectOneRow();
      existe = linhas.getInt64(0u) > 0;
    } catch (const std::exception& erro) {
      alcancadas[fonte] = false;
      TGenerico::PGeraLog(rotulo + " mantida: o banco de origem não pode ser consultado.\rMotivo: " +
                          erro.what());
      continue;
    }
    try {
      // A connection of its own: an attachment that was open while the transaction's owner
      // lived may still count it as active.
      fb::Connection resolucao(alvo.settings(), alvo.name());
      resolucao.open();
      resolucao.resolveLimbo(c.id, !existe);
      TGenerico::PGeraLog(rotulo + (existe ? " desfeita: a linha continua na fila de origem."
                                           : " confirmada: a linha já saiu da fila de origem."));
    } catch (const std::exception& erro) {
      TGenerico::PGeraLog(rotulo + " não pôde ser resolvida.\rMotivo: " + erro.what());
    }
  }
}

void TBancoDados::PRecuperaPendentes(bool venda) {
  if (venda) {
    try {
      PRecuperaDestino(0, true);
    } catch (const std::exception& erro) {
      falhaServidor_ = erro.what();
      TGenerico::PGeraLog(
          std::string("Não foi possível verificar as transações pendentes do servidor.\rMotivo: ") +
          erro.what());
    }
    return;
  }
  for (std::size_t i = 1; i < listaConexao_.FQuantidade(); ++i) {
    if (!FReestabeleceConexao(i)) continue;
    try {
      PRecuperaDestino(i, false);
    } catch (const std::exception& erro) {
      TGenerico::PGeraLog("Não foi possível verificar as transações pendentes do banco: " +
                          std::to_string(i) + ".\rMotivo: " + erro.what());
    }
  }
}
