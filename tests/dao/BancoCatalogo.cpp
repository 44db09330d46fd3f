#include "BancoCatalogo.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "firebird/Statement.h"
#include "platform/UDataHora.h"
#include "platform/UGenerico.h"
#include "platform/ULatin1.h"

namespace {

std::set<std::string> FDominiosExistentes(TBancoTeste& banco) {
  std::set<std::string> nomes;
  fb::Statement comando(banco.conexao(),
                        "SELECT TRIM(RDB$FIELD_NAME) AS NOME FROM RDB$FIELDS "
                        "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0");
  auto linhas = comando.executeQuery();
  while (linhas.next()) nomes.insert(linhas.getString("NOME"));
  return nomes;
}

// Latin-1 letters, digits and symbols a text column is filled with, accented ones included.
std::string FCaractere(std::size_t indice) {
  static const std::string pool = [] {
    std::string bytes = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmnopqrstuvwxyz";
    for (int b = 0xC0; b <= 0xFF; ++b) bytes.push_back(static_cast<char>(b));
    bytes += "!#$%&()*+-./;<=>?@[]^_{|}~ ";
    return bytes;
  }();
  return FLatin1ParaUtf8(std::string(1, pool[indice % pool.size()]));
}

}  // namespace

std::string FSqlCriaTabela(const TTabelaCatalogo& tabela) {
  std::string sql = "CREATE TABLE " + std::string(tabela.nome) + " (";
  for (const TColunaCatalogo& coluna : tabela.colunas) {
    sql += std::string(coluna.nome) + " " + std::string(FDominio(coluna.dominio).Nome);
    if (coluna.notNull) sql += " NOT NULL";
    sql += ", ";
  }
  return sql + "CONSTRAINT " + std::string(tabela.nomePk) + " PRIMARY KEY (" +
         std::string(tabela.campoPk) + "))";
}

void PCriaTabelasCatalogo(TBancoTeste& banco) {
  const std::set<std::string> existentes = FDominiosExistentes(banco);
  for (const TDominioCatalogo& dominio : DominiosCatalogo)
    if (!existentes.contains(std::string(dominio.Nome)))
      banco.executa("CREATE DOMAIN " + std::string(dominio.Nome) + " AS " +
                    std::string(dominio.Tipo));
  for (const TTabelaCatalogo* tabela : Catalogo) banco.executa(FSqlCriaTabela(*tabela));
}

std::size_t FLarguraColuna(const TColunaCatalogo& coluna) {
  if (coluna.tipo != TTipoValor::Texto || coluna.blob) return 0;
  if (!fbPossuiDominio(coluna.dominio)) {
    // CADOPER, as the store database holds it: four text columns of 10 or more, one-letter flags.
    static const std::set<std::string_view> largas = {"CODOPER", "NOME", "SENHA", "USUARIO"};
    return largas.contains(coluna.nome) ? 10 : 1;
  }
  const std::string_view tipo = FDominio(coluna.dominio).Tipo;  // "VARCHAR(20)", "CHAR(6)"
  const auto abre = tipo.find('('), fecha = tipo.find(')');
  return std::stoul(std::string(tipo.substr(abre + 1, fecha - abre - 1)));
}

void PPreencheRegistro(TRegistro& registro, int semente) {
  const TTabelaCatalogo& tabela = registro.FRetornaTabela();
  for (std::size_t i = 0; i < tabela.colunas.size(); ++i) {
    const TColunaCatalogo& coluna = tabela.colunas[i];
    switch (coluna.tipo) {
      case TTipoValor::Texto: {
        std::string texto;
        if (coluna.blob) {
          std::string bytes;
          for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<char>(b));
          texto = "semente " + std::to_string(semente) + "\r\n";
          while (texto.size() < 20000) texto += FLatin1ParaUtf8(bytes);
        } else {
          const std::size_t largura = FLarguraColuna(coluna);
          for (std::size_t k = 0; k < largura; ++k)
            texto += FCaractere(static_cast<std::size_t>(semente) * 7 + i + k);
        }
        registro.PAtribuiValor(i, texto);
        break;
      }
      case TTipoValor::DataHora:
        registro.PAtribuiValor(i, FEncodeDataHora(2020 + semente % 8, 1 + static_cast<int>(i % 12),
                                                  1 + semente % 28, static_cast<int>(i % 24),
                                                  static_cast<int>((i * 7) % 60),
                                                  static_cast<int>((i * 13 + semente) % 60)));
        break;
      case TTipoValor::Flutuante:
        registro.PAtribuiValor(i, semente * 1000.0 + static_cast<double>(i) + 0.25);
        break;
      case TTipoValor::Inteiro:
        registro.PAtribuiValor(i, static_cast<std::int32_t>(semente * 1000 + static_cast<int>(i)));
        break;
    }
  }
}

TLogTeste::TLogTeste() : anterior_(TGenerico::FPastaLog()) {
  TGenerico::PDefinePastaLog(pasta_.caminho() / "LogIntg");
}

TLogTeste::~TLogTeste() { TGenerico::PDefinePastaLog(anterior_); }

std::vector<std::string> TLogTeste::FMensagens() const {
  std::vector<std::string> mensagens;
  const auto pasta = pasta_.caminho() / "LogIntg";
  if (!std::filesystem::exists(pasta)) return mensagens;
  std::vector<std::filesystem::path> arquivos;
  for (const auto& item : std::filesystem::directory_iterator(pasta)) arquivos.push_back(item.path());
  std::sort(arquivos.begin(), arquivos.end());
  const std::string marca = "DATA E HORA: ";
  for (const auto& arquivo : arquivos) {
    std::ifstream in(arquivo, std::ios::binary);
    const std::string conteudo =
        FLatin1ParaUtf8(std::string(std::istreambuf_iterator<char>(in), {}));
    std::vector<std::size_t> inicios;
    for (std::size_t p = conteudo.find(marca); p != std::string::npos;
         p = conteudo.find(marca, p + 1))
      if (p == 0 || conteudo.compare(p - 2, 2, "\r\n") == 0) inicios.push_back(p);
    for (std::size_t e = 0; e < inicios.size(); ++e) {
      const std::size_t fim = e + 1 < inicios.size() ? inicios[e + 1] : conteudo.size();
      std::string entrada = conteudo.substr(inicios[e], fim - inicios[e]);
      entrada = entrada.substr(entrada.find("\r\n") + 2);
      const std::string rodape = "\r\n \r\n";
      if (entrada.ends_with(rodape)) entrada.resize(entrada.size() - rodape.size());
      std::string mensagem;
      for (std::size_t k = 0; k < entrada.size(); ++k) {
        mensagem += entrada[k];
        if (entrada[k] == '\r' && k + 1 < entrada.size() && entrada[k + 1] == '\n') ++k;
      }
      mensagens.push_back(mensagem);
    }
  }
  return mensagens;
}

namespace {
// The two databases are made once per test program: creating 32 tables takes a while.
class TAmbienteBancos : public ::testing::Environment {
 public:
  void TearDown() override {
    origem.reset();
    destino.reset();
    pasta.reset();
  }
  std::unique_ptr<TPastaTemporaria> pasta;
  std::unique_ptr<TBancoTeste> origem, destino;
};
TAmbienteBancos* const ambiente =
    static_cast<TAmbienteBancos*>(::testing::AddGlobalTestEnvironment(new TAmbienteBancos));

void PEsvaziaTabelas(TBancoTeste& banco) {
  fb::Connection& conexao = banco.conexao();
  conexao.rollback();  // whatever a failed test left open
  conexao.startTransaction();
  for (const TTabelaCatalogo* tabela : Catalogo)
    conexao.execute("DELETE FROM " + std::string(tabela->nome));
  conexao.execute("DELETE FROM CADOPER");
  conexao.commit();
}
}  // namespace

void TDaoTeste::SetUp() {
  if (!ambiente->pasta) {
    ambiente->pasta = std::make_unique<TPastaTemporaria>();
    ambiente->origem = std::make_unique<TBancoTeste>(*ambiente->pasta / "origem.fdb");
    ambiente->destino = std::make_unique<TBancoTeste>(*ambiente->pasta / "destino.fdb");
    PCriaTabelasCatalogo(*ambiente->origem);
    PCriaTabelasCatalogo(*ambiente->destino);
  }
  PEsvaziaTabelas(*ambiente->origem);
  PEsvaziaTabelas(*ambiente->destino);
  log_ = std::make_unique<TLogTeste>();
}

void TDaoTeste::TearDown() { log_.reset(); }

TBancoTeste& TDaoTeste::origem() { return *ambiente->origem; }
TBancoTeste& TDaoTeste::destino() { return *ambiente->destino; }
