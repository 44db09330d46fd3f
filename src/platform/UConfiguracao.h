#pragma once
// The agent's settings, kept only in the configuration file VeltrixIntegracao.ini. Every key the
// program knows is one row of kChavesConfiguracao, with its form and its default; everything else
// here reads and writes through that table. Every read opens the file anew, so a value written by
// one part of the program is seen by the next reader at once.
#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/UArquivoIni.h"

inline constexpr std::string_view kNomeArquivoIni = "VeltrixIntegracao.ini";

enum class TFormaValor {
  Texto,        // any characters, stored unchanged
  Flag,         // "S" yes, anything else (even "s") no; written "S" / "N"
  Interruptor,  // an integer: non-zero on; 0, a missing key or a non-integer off; written "1"/"0"
  Hora,         // "hh:mm:ss", stored and edited only
};

struct TChaveConfiguracao {
  // For the point-of-sale keys the section is "CONEXAOCAIXA" followed by the point's number.
  std::string_view secao;
  std::string_view chave;
  TFormaValor forma;
  std::string_view padrao;
  // The window control bound to the key.
  std::string_view controle;
  // For the table selection: the tables whose capture the flag governs.
  std::array<std::string_view, 5> tabelas{};
};

inline constexpr std::string_view kSecaoCaixa = "CONEXAOCAIXA";

// In reading order within each section; the TABELAS keys are read and written in this order.
inline constexpr std::array kChavesConfiguracao = {
    TChaveConfiguracao{"CONEXAO", "CAMINHO", TFormaValor::Texto, "", "edtBancoServidor"},
    TChaveConfiguracao{"CONEXAO", "USUARIO", TFormaValor::Texto, "", "edtUsuario"},
    TChaveConfiguracao{"CONEXAO", "SENHA", TFormaValor::Texto, "", "edtSenha"},
    TChaveConfiguracao{kSecaoCaixa, "CAMINHO", TFormaValor::Texto, "", "edtBancoCaixa"},
    TChaveConfiguracao{kSecaoCaixa, "USUARIO", TFormaValor::Texto, "", "edtUsuario"},
    TChaveConfiguracao{kSecaoCaixa, "SENHA", TFormaValor::Texto, "", "edtSenha"},
    TChaveConfiguracao{"TABELAS", "PRODUTO", TFormaValor::Flag, "S", "ckProduto", {"PRODUTO"}},
    TChaveConfiguracao{"TABELAS", "FORNECEDOR", TFormaValor::Flag, "S", "ckFornecedor", {"FORNECE"}},
    TChaveConfiguracao{"TABELAS", "VENDEDOR", TFormaValor::Flag, "S", "ckVendedor", {"VENDEND"}},
    TChaveConfiguracao{"TABELAS", "USUARIO", TFormaValor::Flag, "S", "ckUsuario", {"CADUSUA"}},
    TChaveConfiguracao{"TABELAS", "OPERADOR", TFormaValor::Flag, "S", "ckOperador", {"CADOPER"}},
    TChaveConfiguracao{"TABELAS", "CLIENTE", TFormaValor::Flag, "S", "ckCliente", {"CLIENTE"}},
    TChaveConfiguracao{"TABELAS", "OPERACAO", TFormaValor::Flag, "S", "ckOperacao", {"CDOPERC"}},
    TChaveConfiguracao{"TABELAS", "PEDIDOC", TFormaValor::Flag, "S", "ckPedidoC", {"PEDIDOC"}},
    TChaveConfiguracao{"TABELAS", "PEDIDOI", TFormaValor::Flag, "S", "ckPedidoI", {"PEDIDOI"}},
    TChaveConfiguracao{"TABELAS", "ENCERRA", TFormaValor::Flag, "S", "ckEncerra", {"ENCERRA"}},
    TChaveConfiguracao{"TABELAS", "VENDPDV", TFormaValor::Flag, "S", "ckVendpdv", {"VENDPDV"}},
    TChaveConfiguracao{"TABELAS", "ENCEFAT", TFormaValor::Flag, "S", "ckEncefat", {"ENCEFAT"}},
    TChaveConfiguracao{"TABELAS", "MVGERAL", TFormaValor::Flag, "S", "ckMVgeral", {"MVGERAL"}},
    TChaveConfiguracao{"TABELAS", "REDUCOESZ", TFormaValor::Flag, "S", "ckReducoesz",
                       {"REDUCOESZ"}},
    TChaveConfiguracao{"TABELAS", "REDUCAOZ_C", TFormaValor::Flag, "S", "ckReducaoz_C",
                       {"REDUCAOZ_C"}},
    TChaveConfiguracao{"TABELAS", "REDUCAOZ_I", TFormaValor::Flag, "S", "ckReducaoz_I",
                       {"REDUCAOZ_I"}},
    TChaveConfiguracao{"TABELAS", "DETALHEREDUCOESZ", TFormaValor::Flag, "S",
                       "ckDetalheReducoesZ", {"DETALHEREDUCOESZ"}},
    TChaveConfiguracao{"TABELAS", "ECFGERAL", TFormaValor::Flag, "S", "ckEcfGeral", {"ECFGERAL"}},
    TChaveConfiguracao{"TABELAS", "DEMAISDOCUMENTOSECF", TFormaValor::Flag, "S",
                       "ckDemaisDocumentosEcf", {"DEMAISDOCUMENTOSECF"}},
    TChaveConfiguracao{"TABELAS", "SANGRIA", TFormaValor::Flag, "S", "ckSangria", {"SANGRIA"}},
    TChaveConfiguracao{"TABELAS", "FINANCEIRO", TFormaValor::Flag, "S", "ckFinanceiro",
                       {"MOVIREC", "DOCUREC", "PRETERC"}},
    TChaveConfiguracao{"TABELAS", "SINTEGRA", TFormaValor::Flag, "S", "ckSintegra",
                       {"SINTEGRA60A", "SINTEGRA60D", "SINTEGRA60I", "SINTEGRA60M",
                        "SINTEGRA60R"}},
    TChaveConfiguracao{"TABELAS", "ENCCARTAO", TFormaValor::Flag, "S", "ckEncCartao",
                       {"ENCCARTAO"}},
    TChaveConfiguracao{"TABELAS", "TODAS", TFormaValor::Flag, "S", "ckTodas"},
    TChaveConfiguracao{"TABELAS", "PARCPEDC", TFormaValor::Flag, "S", "ckParcPedC", {"PARCPEDC"}},
    TChaveConfiguracao{"TABELAS", "CONVENCEFAT", TFormaValor::Flag, "S", "ckConvencefat",
                       {"CONVENCEFAT"}},
    TChaveConfiguracao{"TABELAS", "FINANCIAMENTO", TFormaValor::Flag, "S", "ckFinanciamento",
                       {"FINANCIAMENTO"}},
    TChaveConfiguracao{"HORA", "PRIMEIRA", TFormaValor::Hora, "00:00:00", "edtHora"},
    TChaveConfiguracao{"HORA", "SEGUNDA", TFormaValor::Hora, "00:00:00", "edtHora1"},
    TChaveConfiguracao{"HORA", "TERCEIRA", TFormaValor::Hora, "00:00:00", "edtHora2"},
    TChaveConfiguracao{"HORA", "QUARTA", TFormaValor::Hora, "00:00:00", "edtHora3"},
    TChaveConfiguracao{"CADASTRO", "ATUALIZA", TFormaValor::Interruptor, "0",
                       "ckAtualizaCadastro"},
    TChaveConfiguracao{"VENDAS", "ATUALIZA", TFormaValor::Interruptor, "0", "ckAtualizaVenda"},
};

// The row of a key, found at compile time: a name that is not in the table does not compile.
consteval const TChaveConfiguracao& FChaveConfiguracao(std::string_view secao,
                                                       std::string_view chave) {
  for (const auto& c : kChavesConfiguracao)
    if (c.secao == secao && c.chave == chave) return c;
  throw "chave de configuração desconhecida";
}

namespace detalhe {
consteval std::size_t FInicioTabelas() {
  for (std::size_t i = 0; i < kChavesConfiguracao.size(); ++i)
    if (kChavesConfiguracao[i].secao == "TABELAS") return i;
  return kChavesConfiguracao.size();
}
consteval std::size_t FContaTabelas() {
  std::size_t n = 0;
  for (const auto& c : kChavesConfiguracao) n += c.secao == "TABELAS";
  return n;
}
}  // namespace detalhe

inline constexpr std::size_t kQuantidadeTabelas = 27;
static_assert(detalhe::FContaTabelas() == kQuantidadeTabelas);
static_assert(kChavesConfiguracao[detalhe::FInicioTabelas() + kQuantidadeTabelas - 1].secao ==
                  "TABELAS",
              "the TABELAS keys are one run of the table, in their reading order");

// The 27 table-selection keys, in reading and writing order.
inline constexpr std::span<const TChaveConfiguracao, kQuantidadeTabelas> kChavesTabelas{
    kChavesConfiguracao.data() + detalhe::FInicioTabelas(), kQuantidadeTabelas};

// Blank as the configuration and the window see it: nothing after removing surrounding spaces and
// control characters.
bool fbEmBranco(std::string_view texto);
// `texto` without the spaces around it (a CHAR column's padding, a machine number).
std::string FAparaEspacos(std::string_view texto);

// "S" for yes, "N" for no: how flags are written.
std::string FRetornaSimNao(bool valor);

// Path, user and password of one database.
struct TDadosConexao {
  std::string caminho, usuario, senha;
  bool operator==(const TDadosConexao&) const = default;
};

struct TConexaoCaixa {
  int numero = 0;  // n of the section CONEXAOCAIXAn
  TDadosConexao dados;
};

// The state of the 27 table-selection boxes, in the order of kChavesTabelas.
class TSelecaoTabelas {
 public:
  TSelecaoTabelas() { marcadas_.fill(true); }

  // By key name (PRODUTO, FINANCEIRO, TODAS...). Throws std::out_of_range for an unknown key.
  bool& operator[](std::string_view chave);
  bool operator[](std::string_view chave) const;
  bool& operator[](std::size_t indice) { return marcadas_.at(indice); }
  bool operator[](std::size_t indice) const { return marcadas_.at(indice); }

  // Whether the capture of a table (PRODUTO, MOVIREC, SINTEGRA60A...) is selected; false for a
  // table that no key governs.
  bool fbTabelaSelecionada(std::string_view tabela) const;

  // What the select-all box does when ticked or cleared: every other box takes its state.
  void PMarcaTodas(bool marcada);

  bool operator==(const TSelecaoTabelas&) const = default;

 private:
  std::array<bool, kQuantidadeTabelas> marcadas_;
};

// The configuration file and the operations on its keys. Reads never fail: a missing file or key
// gives the key's default, a value of the wrong form the default of its form. Writes throw
// TErroArquivoIni when the key cannot be stored, leaving the file as it was.
class TConfiguracao {
 public:
  // The text INI file at that path.
  explicit TConfiguracao(std::filesystem::path arquivo);
  // Any implementation of the INI contract.
  explicit TConfiguracao(std::shared_ptr<TArquivoIni> arquivo);

  // The file this process uses: the program folder's VeltrixIntegracao.ini, unless
  // PDefineArquivoPadrao named another file (a command-line option; an empty path restores the
  // default).
  static std::filesystem::path FArquivoPadrao();
  static void PDefineArquivoPadrao(std::filesystem::path arquivo);
  static TConfiguracao Padrao();

  // One key. `caixa` is the point-of-sale number, for the CONEXAOCAIXA keys only.
  std::string fsLeTexto(const TChaveConfiguracao& chave, int caixa = -1) const;
  bool fbLeFlag(const TChaveConfiguracao& chave) const;
  bool fbLeInterruptor(const TChaveConfiguracao& chave) const;
  void PGravaTexto(const TChaveConfiguracao& chave, std::string_view valor, int caixa = -1);
  void PGravaFlag(const TChaveConfiguracao& chave, bool valor);
  void PGravaInterruptor(const TChaveConfiguracao& chave, bool ligado);

  // CONEXAO: the central database.
  TDadosConexao FLeConexaoServidor() const;
  void PGravaConexaoServidor(const TDadosConexao& dados);

  // CONEXAOCAIXAn: one point of sale.
  TDadosConexao FLeConexaoCaixa(int numero) const;
  void PGravaConexaoCaixa(int numero, const TDadosConexao& dados);

  // The points of sale in use: sections CONEXAOCAIXA0, 1, 2... up to the first whose CAMINHO is
  // blank (after trimming), so only a consecutive run from 0 counts. What the grid shows.
  std::vector<TConexaoCaixa> FLeConexoesCaixa() const;

  // The points of sale to register: the same walk, passing over a section whose path
  // `jaRegistrada` reports as known, and also stopping at the first new section whose user or
  // password is blank.
  std::vector<TConexaoCaixa> FConexoesCaixaNovas(
      const std::function<bool(const std::string& caminho)>& jaRegistrada) const;

  // TABELAS, read in table order the way the window loads its boxes: when TODAS reads yes, every
  // box loaded before it is ticked whatever its own key held; the three keys after TODAS keep
  // their stored values.
  TSelecaoTabelas FLeSelecaoTabelas() const;
  // Writes the 27 keys in table order.
  void PGravaSelecaoTabelas(const TSelecaoTabelas& selecao);

  // HORA: the four stored times, PRIMEIRA to QUARTA.
  std::array<std::string, 4> FLeHoras() const;

  // CADASTRO/ATUALIZA and VENDAS/ATUALIZA.
  bool GetAtualizaCadastro() const;
  void SetAtualizaCadastro(bool ligado);
  bool GetAtualizaVendas() const;
  void SetAtualizaVendas(bool ligado);

 private:
  std::string fsSecao(const TChaveConfiguracao& chave, int caixa) const;
  std::shared_ptr<TArquivoIni> arquivo_;
};
