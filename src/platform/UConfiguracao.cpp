#include "platform/UConfiguracao.h"

#include <charconv>
#include <mutex>
#include <optional>
#include <stdexcept>

#include "platform/UPastaPrograma.h"

namespace {

constexpr auto& kConexaoCaminho = FChaveConfiguracao("CONEXAO", "CAMINHO");
constexpr auto& kConexaoUsuario = FChaveConfiguracao("CONEXAO", "USUARIO");
constexpr auto& kConexaoSenha = FChaveConfiguracao("CONEXAO", "SENHA");
constexpr auto& kCaixaCaminho = FChaveConfiguracao(kSecaoCaixa, "CAMINHO");
constexpr auto& kCaixaUsuario = FChaveConfiguracao(kSecaoCaixa, "USUARIO");
constexpr auto& kCaixaSenha = FChaveConfiguracao(kSecaoCaixa, "SENHA");
constexpr auto& kCadastroAtualiza = FChaveConfiguracao("CADASTRO", "ATUALIZA");
constexpr auto& kVendasAtualiza = FChaveConfiguracao("VENDAS", "ATUALIZA");
constexpr std::array<const TChaveConfiguracao*, 4> kHoras = {
    &FChaveConfiguracao("HORA", "PRIMEIRA"), &FChaveConfiguracao("HORA", "SEGUNDA"),
    &FChaveConfiguracao("HORA", "TERCEIRA"), &FChaveConfiguracao("HORA", "QUARTA")};

std::mutex guarda;
std::optional<std::filesystem::path> arquivoDefinido;

// An integer as the file holds it: surrounding blanks allowed, nothing else.
std::optional<long long> FInteiro(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  long long valor = 0;
  const auto [fim, erro] = std::from_chars(s.data(), s.data() + s.size(), valor);
  if (s.empty() || erro != std::errc() || fim != s.data() + s.size()) return std::nullopt;
  return valor;
}

std::size_t FIndiceTabela(std::string_view chave) {
  for (std::size_t i = 0; i < kChavesTabelas.size(); ++i)
    if (kChavesTabelas[i].chave == chave) return i;
  throw std::out_of_range("chave de tabela desconhecida: " + std::string(chave));
}

}  // namespace

std::string FAparaEspacos(std::string_view texto) {
  const std::size_t inicio = texto.find_first_not_of(' ');
  if (inicio == std::string_view::npos) return {};
  return std::string(texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1));
}

bool fbEmBranco(std::string_view s) {
  for (unsigned char c : s)
    if (c > ' ') return false;
  return true;
}

std::string FRetornaSimNao(bool valor) { return valor ? "S" : "N"; }

bool& TSelecaoTabelas::operator[](std::string_view chave) {
  return marcadas_[FIndiceTabela(chave)];
}

bool TSelecaoTabelas::operator[](std::string_view chave) const {
  return marcadas_[FIndiceTabela(chave)];
}

bool TSelecaoTabelas::fbTabelaSelecionada(std::string_view tabela) const {
  for (std::size_t i = 0; i < kChavesTabelas.size(); ++i)
    for (const auto t : kChavesTabelas[i].tabelas)
      if (!t.empty() && t == tabela && marcadas_[i]) return true;
  return false;
}

void TSelecaoTabelas::PMarcaTodas(bool marcada) { marcadas_.fill(marcada); }

TConfiguracao::TConfiguracao(std::filesystem::path arquivo)
    : arquivo_(std::make_shared<TArquivoIniTexto>(std::move(arquivo))) {}

TConfiguracao::TConfiguracao(std::shared_ptr<TArquivoIni> arquivo) : arquivo_(std::move(arquivo)) {
  if (!arquivo_) throw std::invalid_argument("TConfiguracao sem arquivo");
}

std::filesystem::path TConfiguracao::FArquivoPadrao() {
  {
    std::lock_guard trava(guarda);
    if (arquivoDefinido) return *arquivoDefinido;
  }
  return FPastaConfiguracao() / kNomeArquivoIni;
}

void TConfiguracao::PDefineArquivoPadrao(std::filesystem::path arquivo) {
  std::lock_guard trava(guarda);
  if (arquivo.empty())
    arquivoDefinido.reset();
  else
    arquivoDefinido = std::move(arquivo);
}

TConfiguracao TConfiguracao::Padrao() { return TConfiguracao(FArquivoPadrao()); }

std::string TConfiguracao::fsSecao(const TChaveConfiguracao& chave, int caixa) const {
  if (chave.secao == kSecaoCaixa) {
    if (caixa < 0) throw std::invalid_argument("chave de caixa sem o número do caixa");
    return std::string(kSecaoCaixa) + std::to_string(caixa);
  }
  return std::string(chave.secao);
}

std::string TConfiguracao::fsLeTexto(const TChaveConfiguracao& chave, int caixa) const {
  return arquivo_->fsLeTexto(fsSecao(chave, caixa), chave.chave, chave.padrao);
}

bool TConfiguracao::fbLeFlag(const TChaveConfiguracao& chave) const {
  return fsLeTexto(chave) == "S";
}

bool TConfiguracao::fbLeInterruptor(const TChaveConfiguracao& chave) const {
  const auto valor = FInteiro(fsLeTexto(chave));
  // Only values a 32-bit integer holds count, as the file has always been read.
  if (!valor || *valor < INT32_MIN || *valor > INT32_MAX) return FInteiro(chave.padrao).value_or(0);
  return *valor != 0;
}

void TConfiguracao::PGravaTexto(const TChaveConfiguracao& chave, std::string_view valor,
                                int caixa) {
  arquivo_->PGravaTexto(fsSecao(chave, caixa), chave.chave, valor);
}

void TConfiguracao::PGravaFlag(const TChaveConfiguracao& chave, bool valor) {
  PGravaTexto(chave, FRetornaSimNao(valor));
}

void TConfiguracao::PGravaInterruptor(const TChaveConfiguracao& chave, bool ligado) {
  PGravaTexto(chave, ligado ? "1" : "0");
}

TDadosConexao TConfiguracao::FLeConexaoServidor() const {
  return {fsLeTexto(kConexaoCaminho), fsLeTexto(kConexaoUsuario), fsLeTexto(kConexaoSenha)};
}

void TConfiguracao::PGravaConexaoServidor(const TDadosConexao& dados) {
  PGravaTexto(kConexaoCaminho, dados.caminho);
  PGravaTexto(kConexaoUsuario, dados.usuario);
  PGravaTexto(kConexaoSenha, dados.senha);
}

TDadosConexao TConfiguracao::FLeConexaoCaixa(int numero) const {
  return {fsLeTexto(kCaixaCaminho, numero), fsLeTexto(kCaixaUsuario, numero),
          fsLeTexto(kCaixaSenha, numero)};
}

void TConfiguracao::PGravaConexaoCaixa(int numero, const TDadosConexao& dados) {
  PGravaTexto(kCaixaCaminho, dados.caminho, numero);
  PGravaTexto(kCaixaUsuario, dados.usuario, numero);
  PGravaTexto(kCaixaSenha, dados.senha, numero);
}

std::vector<TConexaoCaixa> TConfiguracao::FLeConexoesCaixa() const {
  std::vector<TConexaoCaixa> caixas;
  for (int n = 0;; ++n) {
    auto dados = FLeConexaoCaixa(n);
    if (fbEmBranco(dados.caminho)) break;
    caixas.push_back({n, std::move(dados)});
  }
  return caixas;
}

std::vector<TConexaoCaixa> TConfiguracao::FConexoesCaixaNovas(
    const std::function<bool(const std::string&)>& jaRegistrada) const {
  std::vector<TConexaoCaixa> caixas;
  for (int n = 0;; ++n) {
    const std::string caminho = fsLeTexto(kCaixaCaminho, n);
    if (fbEmBranco(caminho)) break;
    if (jaRegistrada && jaRegistrada(caminho)) continue;
    TDadosConexao dados{caminho, fsLeTexto(kCaixaUsuario, n), fsLeTexto(kCaixaSenha, n)};
    if (fbEmBranco(dados.usuario) || fbEmBranco(dados.senha)) break;
    caixas.push_back({n, std::move(dados)});
  }
  return caixas;
}

TSelecaoTabelas TConfiguracao::FLeSelecaoTabelas() const {
  TSelecaoTabelas selecao;
  for (std::size_t i = 0; i < kChavesTabelas.size(); ++i) {
    const bool marcada = fbLeFlag(kChavesTabelas[i]);
    selecao[i] = marcada;
    // Ticking the select-all box ticks every table box; the boxes loaded after it then take
    // their own stored values.
    if (kChavesTabelas[i].chave == "TODAS" && marcada) selecao.PMarcaTodas(true);
  }
  return selecao;
}

void TConfiguracao::PGravaSelecaoTabelas(const TSelecaoTabelas& selecao) {
  for (std::size_t i = 0; i < kChavesTabelas.size(); ++i)
    PGravaFlag(kChavesTabelas[i], selecao[i]);
}

std::array<std::string, 4> TConfiguracao::FLeHoras() const {
  std::array<std::string, 4> horas;
  for (std::size_t i = 0; i < horas.size(); ++i) horas[i] = fsLeTexto(*kHoras[i]);
  return horas;
}

bool TConfiguracao::GetAtualizaCadastro() const { return fbLeInterruptor(kCadastroAtualiza); }
void TConfiguracao::SetAtualizaCadastro(bool ligado) {
  PGravaInterruptor(kCadastroAtualiza, ligado);
}
bool TConfiguracao::GetAtualizaVendas() const { return fbLeInterruptor(kVendasAtualiza); }
void TConfiguracao::SetAtualizaVendas(bool ligado) { PGravaInterruptor(kVendasAtualiza, ligado); }
