// TBancoDados: the master-data cycle. The central queue's rows (all points of sale in one pass,
// deletions excluded) are applied to the point of sale each is meant for: the current central row
// is inserted there or updated, and the queue row is deleted once the point of sale holds it.
#include <array>
#include <map>
#include <stdexcept>

#include "dao/UFabricaDao.h"
#include "engine/UBancoDados.h"
#include "firebird/Statement.h"
#include "platform/UConfiguracao.h"
#include "platform/UGenerico.h"

namespace {

struct TPassoCadastro {
  std::string_view tabela;
  std::string_view passo;       // the apply step's name
  const char* (*sqlExiste)();   // existence check on the point of sale
  std::string_view parametro;   // its parameter
  std::string_view mensagemPasso;
  std::string_view mensagemCiclo;
};

// clang-format off
constexpr std::array<TPassoCadastro, 7> kPassosCadastro = {{
    {"PRODUTO", "FUpdateInsertProdutos", &TBancoDados::FSqlProduto, "PCodProd",
     "Ocorreu um erro no processo de atualização do produto.\rMotivo: ",
     "Ocorreu um erro ao tentar atualizar os dados do produto.\rMotivo: "},
    {"FORNECE", "FUpdateInsertFornecedor", &TBancoDados::FSqlFornece, "PCodFornec",
     "Ocorreu um erro no processo de atualização do Fornecedor.\rMotivo: ",
     "Ocorreu um erro ao tentar atualizar os dados do fornecedor.\rMotivo: "},
    {"VENDEND", "FUpdateInsertVendedor", &TBancoDados::FSqlVendend, "PCodVendedor",
     "Ocorreu um erro no processo de atualização do vendedor.\rMotivo: ",
     "Ocorreu um erro ao tentar atualizar os dados do vendedor.\rMotivo: "},
    {"CADUSUA", "FUpdateInsertUsuario", &TBancoDados::FSqlUsuario, "PUsuario",
     "Ocorreu um erro no processo de atualização do usuario.\rMotivo: ",
     "Ocorreu um erro ao tentar atualizar os dados do usuario.\rMotivo: "},
    {"CADOPER", "FUpdateInsertOperador", &TBancoDados::FSqlOperador, "PCodOperador",
     "Ocorreu um erro no processo de atualização do operador.\rMotivo: ",
     "Ocorreu um erro ao tentar atualizar os dados do operador.\rMotivo: "},
    {"CLIENTE", "FUpdateInsertCliente", &TBancoDados::FSqlCliente, "PCodCliente",
     "Ocorreu um erro no processo de atualização do cliente.\rMotivo: ",
     "Ocorreu um erro ao tentar atualizar os dados do cliente.\rMotivo: "},
    {"CDOPERC", "FUpdateInsertTipoOperacao", &TBancoDados::FSqlCdOperc, "PCodOper",
     "Ocorreu um erro no processo de atualização do tipo de operação.\rMotivo: ",
     "Ocorreu um erro ao tentar atualizar os dados do tipo de operação.\rMotivo: "},
}};
// clang-format on

const TPassoCadastro* FProcuraPassoCadastro(std::string_view tabela) {
  for (const TPassoCadastro& p : kPassosCadastro)
    if (p.tabela == tabela) return &p;
  return nullptr;
}

const char* FSqlFilaCadastro() {
  return "Select integecf.codempresa, integecf.ecf, integecf.arquivo, integecf.tabela, "
         "integecf.chave0, integecf.chave1, integecf.chave2, integecf.chave3, integecf.chave4, "
         "integecf.chave5, integecf.chave6, integecf.chave7, integecf.chave8, integecf.chave9 "
         "from integecf where integecf.atualizou = \"N\" and integecf.acao <> \"E\" "
         "order by integecf.tabela, integecf.arquivo ";
}

// The machine number a queue row's ECF names: its second to fourth characters, blanks trimmed.
std::string FMaquinaDaFila(const std::string& ecf) {
  return ecf.size() > 1 ? FAparaEspacos(ecf.substr(1, 3)) : std::string();
}

}  // namespace

const char* TBancoDados::FSqlProduto() {
  return "select produto.codprod from produto where produto.codprod = :PCodProd ";
}
const char* TBancoDados::FSqlFornece() {
  return "select fornece.codfornec from fornece where fornece.codfornec = :PCodFornec ";
}
const char* TBancoDados::FSqlVendend() {
  return "select vendend.codvendedor from vendend where vendend.codvendedor = :PCodVendedor ";
}
const char* TBancoDados::FSqlUsuario() {
  return "select cadusua.usuario from cadusua where cadusua.usuario = :PUsuario ";
}
// The point of sale's CADOPER itself answers whether the operator is there: it is the table the
// row is written to.
const char* TBancoDados::FSqlOperador() {
  return "select cadoper.codoper from cadoper where cadoper.codoper = :PCodOperador ";
}
const char* TBancoDados::FSqlCliente() {
  return "select cliente.codcliente from cliente where cliente.codcliente = :PCodCliente ";
}
const char* TBancoDados::FSqlCdOperc() {
  return "select cdoperc.codoper from cdoperc where cdoperc.codoper = :PCodOper ";
}

bool TBancoDados::FUpdateInsertProdutos(const std::string& chave, std::size_t posicao) {
  return FUpdateInsertCadastro("PRODUTO", chave, posicao);
}
bool TBancoDados::FUpdateInsertFornecedor(const std::string& chave, std::size_t posicao) {
  return FUpdateInsertCadastro("FORNECE", chave, posicao);
}
bool TBancoDados::FUpdateInsertVendedor(const std::string& chave, std::size_t posicao) {
  return FUpdateInsertCadastro("VENDEND", chave, posicao);
}
bool TBancoDados::FUpdateInsertUsuario(const std::string& chave, std::size_t posicao) {
  return FUpdateInsertCadastro("CADUSUA", chave, posicao);
}
bool TBancoDados::FUpdateInsertOperador(const std::string& chave, std::size_t posicao) {
  return FUpdateInsertCadastro("CADOPER", chave, posicao);
}
bool TBancoDados::FUpdateInsertCliente(const std::string& chave, std::size_t posicao) {
  return FUpdateInsertCadastro("CLIENTE", chave, posicao);
}
bool TBancoDados::FUpdateInsertTipoOperacao(const std::string& chave, std::size_t posicao) {
  return FUpdateInsertCadastro("CDOPERC", chave, posicao);
}

bool TBancoDados::FUpdateInsertCadastro(const std::string& tabela, const std::string& chave,
                                        std::size_t posicao) {
  const TPassoCadastro* passo = FProcuraPassoCadastro(tabela);
  if (!passo) throw std::invalid_argument("tabela de cadastro desconhecida: " + tabela);
  fb::Connection& caixa = listaConexao_.FConexao(posicao);

  // Not guarded: a failing check is the cycle's error.
  bool existe = false;
  {
    fb::Statement consulta(caixa, passo->sqlExiste());
    consulta.setString(passo->parametro, chave);
    fb::ResultSet linhas = consulta.executeQuery();
    existe = linhas.next();
  }

  try {
    std::unique_ptr<TRegistro> registro;
    {
      std::unique_ptr<TDao> central = FCriaDao(tabela, listaConexao_.FConexao(0));
      registro = central->FRetornaRegistro(TListaValoresChave{chave});
    }
    // Deleted in the central database since it was queued: nothing to apply.
    if (!registro) return true;
    std::unique_ptr<TDao> destino = FCriaDao(tabela, caixa);
    return existe ? destino->FUpdateRegistro(*registro) : destino->FInsereRegistro(*registro);
  } catch (const std::exception& erro) {
    TGenerico::PGeraLog(std::string(passo->mensagemPasso) + erro.what());
    return false;
  }
}

std::vector<TLinhaIntegECF> TBancoDados::FLeFila(std::size_t posicao, const std::string& sql,
                                            const std::string* ecf) {
  std::vector<TLinhaIntegECF> fila;
  fb::Statement consulta(listaConexao_.FConexao(posicao), sql);
  if (ecf) consulta.setString("PECF", *ecf);
  fb::ResultSet linhas = consulta.executeQuery();
  const bool comAcao = linhas.hasColumn("acao");
  while (linhas.next()) {
    TLinhaIntegECF linha;
    linha.codEmpresa = linhas.getString("codempresa");
    linha.ecf = linhas.getString("ecf");
    linha.arquivo = linhas.getString("arquivo");
    linha.tabela = linhas.getString("tabela");
    if (comAcao) linha.acao = linhas.getString("acao");
    linha.chaves = FLeListaDeChave(linhas);
    fila.push_back(std::move(linha));
  }
  return fila;
}

void TBancoDados::PIniciaCiclo() {
  falhaServidor_.clear();
  resumoCiclo_.clear();
  for (std::size_t i = 1; i < listaConexao_.FQuantidade(); ++i) {
    TResumoCaixa resumo;
    resumo.posicao = i;
    resumo.caminho = listaConexao_.FConexao(i).database();
    resumoCiclo_.push_back(std::move(resumo));
  }
}

TResumoCaixa* TBancoDados::FResumo(std::size_t posicao) {
  for (TResumoCaixa& r : resumoCiclo_)
    if (r.posicao == posicao) return &r;
  return nullptr;
}

bool TBancoDados::FAtualizacoesCadastro() {
  bool resultado = true;
  PIniciaCiclo();

  // Every reachable point of sale first gets back what a stopped cycle left in limbo there: the
  // store system cannot read those rows until then.
  PRecuperaPendentes(false);
  for (TResumoCaixa& r : resumoCiclo_) {
    fb::Connection& caixa = listaConexao_.FConexao(r.posicao);
    if (!caixa.isOpen()) continue;
    try {
      r.ecf = "0" + FAparaEspacos(FBuscaNumeroCaixa(&caixa));
      r.alcancado = true;
    } catch (const std::exception&) {
    }
  }

  // Counts what is still queued for each point of sale once the cycle ends, however it ends.
  struct TContaPendentes {
    TBancoDados& motor;
    ~TContaPendentes() {
      try {
        fb::Statement consulta(motor.listaConexao_.FConexao(0),
                               "select integecf.ecf, count(*) from integecf where "
                               "integecf.atualizou = \"N\" and integecf.acao <> \"E\" "
                               "group by integecf.ecf",
                               false);
        fb::ResultSet linhas = consulta.executeQuery();
        std::map<std::string, std::size_t> porEcf;
        while (linhas.next())
          porEcf["0" + FMaquinaDaFila(linhas.getString(0u))] +=
              static_cast<std::size_t>(linhas.getInt64(1u));
        for (TResumoCaixa& r : motor.resumoCiclo_) {
          if (r.ecf.empty()) continue;
          r.pendentes = porEcf[r.ecf];
          r.contado = true;
        }
      } catch (const std::exception&) {
      }
    }
  } contaPendentes{*this};

  std::vector<TLinhaIntegECF> fila;
  try {
    fb::Connection& servidor = listaConexao_.FConexao(0);
    if (!servidor.isOpen()) servidor.open();
    // Read whole before the first row is applied: the deletes commit on this same connection.
    fila = FLeFila(0, FSqlFilaCadastro(), nullptr);
  } catch (const std::exception& erro) {
    falhaServidor_ = erro.what();
    TGenerico::PGeraLog(std::string("Erro, motivo: ") + erro.what());
    return resultado;
  }
  if (fila.empty()) return false;

  TGenerico::PGeraLog("Iniciando sincronização de cadastros.");
  std::size_t n = 0;
  for (const TLinhaIntegECF& linha : fila) {
    if (n % 500 == 0)
      TGenerico::PGeraLog("Atualizados(Cadastros)" + std::to_string(n) + " registros. ");
    ++n;
    if (processaEventos_) processaEventos_();
    if (finalizar_) return resultado;

    const std::string maquinaFila = FMaquinaDaFila(linha.ecf);
    for (std::size_t i = 1; i < listaConexao_.FQuantidade(); ++i) {
      if (!FReestabeleceConexao(i)) continue;
      fb::Connection& caixa = listaConexao_.FConexao(i);
      const std::string maquina = FAparaEspacos(FBuscaNumeroCaixa(&caixa));
      TResumoCaixa* resumo = FResumo(i);
      if (resumo) {
        resumo->alcancado = true;
        resumo->ecf = "0" + maquina;
      }
      if (maquina != maquinaFila) continue;
      const TPassoCadastro* passo = FProcuraPassoCadastro(linha.tabela);
      if (!passo) {
        if (resumo) ++resumo->ignoradas;
        continue;
      }
      const std::string rotulo = linha.tabela + " " + linha.chaves[0] + " (ARQUIVO " + linha.arquivo + ")";
      try {
        PAbreTransacao(i, 1);
        if (!FUpdateInsertCadastro(linha.tabela, linha.chaves[0], i)) {
          PCancelaTransacao(i, 1);
          if (resumo) resumo->falha = rotulo + ": a gravação foi recusada (motivo no log de atividades)";
          return false;
        }
        switch (FConfirmaLinha(i, 0, linha, false, false, false)) {
          case TFimLinha::Confirmada:
            if (resumo) ++resumo->aplicadas;
            break;
          case TFimLinha::Mantida:
          case TFimLinha::Tomada:
            if (resumo) resumo->falha = rotulo + ": a linha da fila não pôde ser excluída";
            return false;
        }
      } catch (const std::exception& erro) {
        for (std::size_t k : {i, std::size_t{0}}) {
          try {
            PCancelaTransacao(k, 1);
          } catch (const std::exception&) {
          }
        }
        TGenerico::PGeraLog(std::string(passo->mensagemCiclo) + erro.what());
        if (resumo) resumo->falha = rotulo + ": " + erro.what();
        return resultado;
      }
    }
  }
  TGenerico::PGeraLog("Fim da sincronização de cadastros.");
  return resultado;
}
