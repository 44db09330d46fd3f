// TBancoDados: the sales cycle and its dispatcher. Each point of sale's own queue is applied to
// the central database row by row, in the order "I", "E", "A", then table, then ARQUIVO as text;
// a row that fails stops its point of sale for this cycle and never the next one.
#include <cctype>
#include <charconv>
#include <stdexcept>
#include <thread>

#include "dao/UFabricaDao.h"
#include "engine/UBancoDados.h"
#include "engine/UPassosVenda.h"
#include "firebird/Statement.h"
#include "platform/UConfiguracao.h"
#include "platform/UGenerico.h"

namespace {

const char* FSqlFilaVenda() {
  return "Select integecf.codempresa, integecf.ecf, integecf.arquivo, integecf.tabela, "
         "integecf.acao, integecf.chave0, integecf.chave1, integecf.chave2, integecf.chave3, "
         "integecf.chave4, integecf.chave5, integecf.chave6, integecf.chave7, integecf.chave8, "
         "integecf.chave9 from integecf where integecf.atualizou = \"N\" and integecf.ecf = :PECF "
         "order by integecf.acao Desc, integecf.tabela, integecf.arquivo ";
}

// A run of decimal digits at `pos`, at most `maximo` of them; false when there is none.
bool fbLeNumero(const std::string& texto, std::size_t& pos, int maximo, long long& valor,
                int* digitos = nullptr) {
  const std::size_t inicio = pos;
  valor = 0;
  while (pos < texto.size() && std::isdigit(static_cast<unsigned char>(texto[pos])) &&
         static_cast<int>(pos - inicio) < maximo)
    valor = valor * 10 + (texto[pos++] - '0');
  if (digitos) *digitos = static_cast<int>(pos - inicio);
  return pos > inicio;
}

}  // namespace

int TBancoDados::FRetornaTipoAcao(const std::string& acao) {
  std::string maiuscula = acao;
  for (char& c : maiuscula) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (maiuscula == "A") return 1;
  if (maiuscula == "E") return 2;
  return 0;
}

std::string TBancoDados::FRetornaTipoAcao(int tipo) {
  switch (tipo) {
    case 1: return "A";
    case 2: return "E";
    default: return "I";
  }
}

std::string TBancoDados::FRetornaData(const std::string& texto) {
  static constexpr std::pair<std::string_view, std::string_view> meses[] = {
      {"JAN", "01"}, {"FEB", "02"}, {"MAR", "03"}, {"APR", "04"}, {"MAY", "05"}, {"JUN", "06"},
      {"JUL", "07"}, {"AUG", "08"}, {"SEP", "09"}, {"OCT", "10"}, {"NOV", "11"}, {"DEC", "12"}};
  std::string saida = texto;
  for (const auto& [nome, numero] : meses)
    for (std::size_t pos = saida.find(nome); pos != std::string::npos; pos = saida.find(nome, pos))
      saida.replace(pos, nome.size(), numero);
  for (char& c : saida)
    if (c == '-') c = '/';
  return saida;
}

TDateTime TBancoDados::FLeDataChave(const std::string& texto) {
  const auto invalida = [&] {
    return std::invalid_argument("\"" + texto + "\" não é uma data válida");
  };
  const std::string t = FAparaEspacos(texto);
  std::size_t pos = 0;
  long long dia, mes, ano;
  if (!fbLeNumero(t, pos, 2, dia) || pos >= t.size() || t[pos++] != '/') throw invalida();
  if (!fbLeNumero(t, pos, 2, mes) || pos >= t.size() || t[pos++] != '/') throw invalida();
  if (!fbLeNumero(t, pos, 4, ano)) throw invalida();
  long long hora = 0, minuto = 0, segundo = 0, fracao = 0;
  int casas = 0;
  if (pos < t.size()) {
    if (t[pos] != ' ') throw invalida();
    while (pos < t.size() && t[pos] == ' ') ++pos;
    if (!fbLeNumero(t, pos, 2, hora) || pos >= t.size() || t[pos++] != ':') throw invalida();
    if (!fbLeNumero(t, pos, 2, minuto)) throw invalida();
    if (pos < t.size() && t[pos] == ':') {
      ++pos;
      if (!fbLeNumero(t, pos, 2, segundo)) throw invalida();
      if (pos < t.size() && t[pos] == '.') {
        ++pos;
        if (!fbLeNumero(t, pos, 4, fracao, &casas)) throw invalida();
      }
    }
    if (pos != t.size()) throw invalida();
  }
  TDateTime dataSo;
  try {
    dataSo = FEncodeDataHora(static_cast<int>(ano), static_cast<int>(mes), static_cast<int>(dia));
    FEncodeDataHora(2000, 1, 1, static_cast<int>(hora), static_cast<int>(minuto),
                    static_cast<int>(segundo));
  } catch (const std::invalid_argument&) {
    throw invalida();
  }
  // The time in the database's own unit, 1/10000 s, so that the key matches the stored value
  // exactly and not only to the millisecond.
  long long decimos = fracao;
  for (int k = casas; k < 4; ++k) decimos *= 10;
  const long long tiques = ((hora * 60 + minuto) * 60 + segundo) * 10000 + decimos;
  const double parte = static_cast<double>(tiques) / 864'000'000.0;
  return dataSo >= 0 ? dataSo + parte : dataSo - parte;
}

void TBancoDados::PEspera(std::chrono::milliseconds tempo) {
  if (espera_)
    espera_(tempo);
  else
    std::this_thread::sleep_for(tempo);
}

bool TBancoDados::FVerificaAtualizacaoVenda(const std::string& tabela,
                                            const std::string& codEmpresa,
                                            const std::string& ecf, const std::string& arquivo,
                                            const std::string& acao, const TListaDeChave& chaves,
                                            std::size_t posicao) {
  TLinhaIntegECF linha{codEmpresa, ecf, arquivo, tabela, acao, chaves};
  return FAplicaLinhaVenda(linha, posicao) != TFimVenda::Falha;
}

TBancoDados::TFimVenda TBancoDados::FAplicaLinhaVenda(const TLinhaIntegECF& linha, std::size_t posicao) {
  const int tipo = FRetornaTipoAcao(linha.acao);
  const TPassoVenda* passo = FProcuraPassoVenda(linha.tabela);
  if (!passo) return TFimVenda::Ignorada;
  if (passo->regra == TRegraVenda::MvGeral) PEspera(std::chrono::milliseconds(500));

  PAbreTransacao(0, 1);
  try {
    const std::vector<TValorCampo> valores = FConverteChavesVenda(*passo, linha.chaves);
    if (!FUpdateInsertVenda(linha.tabela, valores, tipo, posicao)) {
      PCancelaTransacao(0, 1);
      falhaLinha_ = "a gravação foi recusada (motivo no log de atividades)";
      return TFimVenda::Falha;
    }
    switch (FConfirmaLinha(0, posicao, linha, true, true, true)) {
      case TFimLinha::Confirmada: return TFimVenda::Aplicada;
      case TFimLinha::Tomada: return TFimVenda::Ignorada;
      case TFimLinha::Mantida:
        falhaLinha_ = "a linha da fila não pôde ser excluída (motivo no log de atividades)";
        return TFimVenda::Falha;
    }
    return TFimVenda::Falha;
  } catch (const std::exception& erro) {
    for (std::size_t k : {std::size_t{0}, posicao}) {
      try {
        PCancelaTransacao(k, 1);
      } catch (const std::exception&) {
      }
    }
    TGenerico::PGeraLog(std::string(passo->mensagemDespacho) + erro.what());
    falhaLinha_ = erro.what();
    return TFimVenda::Falha;
  }
}

bool TBancoDados::FAtualizacoesVenda() {
  bool resultado = true;
  PIniciaCiclo();

  // The central database first gets back what a stopped cycle left in limbo there.
  PRecuperaPendentes(true);

  for (std::size_t i = 1; i < listaConexao_.FQuantidade(); ++i) {
    TResumoCaixa& resumo = *FResumo(i);
    TGenerico::PGeraLog("Abrindo banco: " + std::to_string(i) + ".");
    if (!FReestabeleceConexao(i)) continue;
    resumo.alcancado = true;
    fb::Connection& caixa = listaConexao_.FConexao(i);

    std::vector<TLinhaIntegECF> fila;
    try {
      resumo.ecf = "0" + FAparaEspacos(FBuscaNumeroCaixa(&caixa));
      // Read whole before the first row is applied: the deletes commit on this same connection.
      fila = FLeFila(i, FSqlFilaVenda(), &resumo.ecf);
    } catch (const std::exception& erro) {
      TGenerico::PGeraLog(std::string("Erro, motivo: ") + erro.what());
      resumo.falha = std::string("a fila não pôde ser lida: ") + erro.what();
      resultado = false;
      continue;
    }
    auto contaPendentes = [&] {
      try {
        fb::Statement consulta(caixa,
                               "select count(*) from integecf where integecf.atualizou = \"N\" "
                               "and integecf.ecf = :PECF");
        consulta.setString("PECF", resumo.ecf);
        fb::ResultSet linhas = consulta.executeQuery();
        linhas.expectOneRow();
        resumo.pendentes = static_cast<std::size_t>(linhas.getInt64(0u));
        resumo.contado = true;
      } catch (const std::exception&) {
      }
    };
    if (fila.empty()) {
      resumo.contado = true;
      continue;
    }

    TGenerico::PGeraLog("Sincronizando vendas banco: " + std::to_string(i) + ".");
    std::size_t n = 0;
    for (const TLinhaIntegECF& linha : fila) {
      if (n % 1000 == 0)
        TGenerico::PGeraLog("Contagem de dados(Vendas): " + std::to_string(n) + ".");
      if (processaEventos_) processaEventos_();
      if (finalizar_) {
        contaPendentes();
        return resultado;
      }
      falhaLinha_.clear();
      const TFimVenda fim = FAplicaLinhaVenda(linha, i);
      if (fim == TFimVenda::Falha) {
        resultado = false;
        TGenerico::PGeraLog("Atualização terminada de forma inesperada.");
        std::string chaves;
        for (std::size_t k = 0; k < linha.chaves.FQuantidade(); ++k)
          chaves += (k ? "|" : "") + linha.chaves[k];
        resumo.falha = linha.tabela + " " + linha.acao + " " + chaves + " (ARQUIVO " +
                       linha.arquivo + "): " + falhaLinha_;
        break;
      }
      if (fim == TFimVenda::Aplicada)
        ++resumo.aplicadas;
      else
        ++resumo.ignoradas;
      ++n;
    }
    contaPendentes();
    TGenerico::PGeraLog("Termino da sincronizaçao de vendas banco: " + std::to_string(i) + ".");
  }
  return resultado;
}
