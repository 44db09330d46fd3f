#include "cli/UCliDemo.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "cli/UCliSessao.h"
#include "engine/UTravaFirebird.h"
#include "firebird/Connection.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"
#include "platform/UConfiguracao.h"
#include "schema/UCatalogo.h"
#include "schema/UTabelasAplicacao.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsuario = "SYSDBA";
constexpr const char* kSenha = "masterkey";

std::string FMaquina(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%03d", n);
  return buf;
}

fb::ConnectionSettings FConfiguracao(const fs::path& arquivo) {
  return {arquivo.string(), kUsuario, kSenha, true};
}

void PExecuta(fb::Connection& c, std::string_view sql) {
  c.startTransaction();
  try {
    fb::Statement(c, sql, false).execute();
    c.commit();
  } catch (...) {
    c.rollback();
    throw;
  }
}

// Inserts one row of a catalogue table: the columns given, plus every NOT NULL column not given
// with the empty value of its type, so the row satisfies the table whatever it declares.
void PInsereLinha(fb::Connection& c, std::string_view nomeTabela,
                  const std::map<std::string, std::string>& valores) {
  const TTabelaCatalogo* tabela = FProcuraTabela(nomeTabela);
  if (!tabela) throw std::logic_error("tabela fora do catálogo: " + std::string(nomeTabela));
  const TInsercaoCatalogo insercao = FInsercaoCatalogo(*tabela, valores);
  fb::Statement st(c, insercao.sql);
  for (const auto& [coluna, valor] : insercao.parametros) {
    switch (coluna->tipo) {
      case TTipoValor::Texto:
        st.setString(coluna->nome, valor);
        break;
      case TTipoValor::Inteiro:
        st.setInt(coluna->nome, valor.empty() ? 0 : std::stoi(valor));
        break;
      case TTipoValor::Flutuante:
        st.setDouble(coluna->nome, valor.empty() ? 0.0 : std::stod(valor));
        break;
      case TTipoValor::DataHora:
        st.setDateTime(coluna->nome, 0.0);
        break;
    }
  }
  st.execute();
}

void PCadastrosDemo(fb::Connection& c) {
  c.startTransaction();
  try {
    const char* produtos[][3] = {{"000001", "ARROZ TIPO 1 5KG", "UN"},
                                 {"000002", "FEIJÃO CARIOCA 1KG", "UN"},
                                 {"000003", "AÇÚCAR CRISTAL 5KG", "UN"},
                                 {"000004", "CAFÉ TORRADO 500G", "UN"},
                                 {"000005", "ÓLEO DE SOJA 900ML", "UN"}};
    for (const auto& p : produtos)
      PInsereLinha(c, "PRODUTO", {{"CODPROD", p[0]}, {"DESCRICAO", p[1]}, {"ATIVO", "S"}});
    PInsereLinha(c, "FORNECE", {{"CODFORNEC", "000001"}, {"NOME", "DISTRIBUIDORA SÃO JOÃO LTDA"}});
    PInsereLinha(c, "FORNECE", {{"CODFORNEC", "000002"}, {"NOME", "ATACADO CENTRAL S.A."}});
    PInsereLinha(c, "VENDEND", {{"CODVENDEDOR", "0001"}, {"NOME", "MARIA CONCEIÇÃO"}, {"ATIVO", "S"}});
    PInsereLinha(c, "VENDEND", {{"CODVENDEDOR", "0002"}, {"NOME", "JOSÉ ANTÔNIO"}, {"ATIVO", "S"}});
    PInsereLinha(c, "CADUSUA", {{"USUARIO", "GERENTE"}, {"NOME", "GERÊNCIA DA LOJA"}});
    PInsereLinha(c, "CADUSUA", {{"USUARIO", "CAIXA"}, {"NOME", "OPERAÇÃO DE CAIXA"}});
    PInsereLinha(c, "CADOPER", {{"CODOPER", "001"}, {"NOME", "ANA PAULA"}, {"SANGRIA", "S"},
                                {"USUARIO", "CAIXA"}, {"HISTORICOCLIENTE", "0"}});
    PInsereLinha(c, "CADOPER", {{"CODOPER", "002"}, {"NOME", "JOÃO PEDRO"}, {"SANGRIA", "N"},
                                {"USUARIO", "CAIXA"}, {"HISTORICOCLIENTE", "0"}});
    PInsereLinha(c, "CLIENTE", {{"CODCLIENTE", "00000001"}, {"NOME", "CONSUMIDOR FINAL"}});
    PInsereLinha(c, "CLIENTE", {{"CODCLIENTE", "00000002"}, {"NOME", "MERCEARIA BOA VISTA"},
                                {"ESTADO", "SP"}});
    PInsereLinha(c, "CDOPERC", {{"CODOPER", "001"}, {"DESCRICAO", "VENDA À VISTA"},
                                {"STNFNAODESTACA", "N"}});
    PInsereLinha(c, "CDOPERC", {{"CODOPER", "002"}, {"DESCRICAO", "VENDA A PRAZO"},
                                {"STNFNAODESTACA", "N"}});
    c.commit();
  } catch (...) {
    c.rollback();
    throw;
  }
}

}  // namespace

void PCriaBancoDemo(const fs::path& arquivo, const std::vector<std::string>& maquinas,
                    bool forcedWrites) {
  fb::Connection c(FConfiguracao(arquivo));
  fb::CreateOptions opcoes;
  opcoes.forcedWrites = forcedWrites;
  c.create(opcoes);
  for (std::string_view sql : FComandosTabelasAplicacao()) PExecuta(c, sql);
  c.startTransaction();
  for (const std::string& maquina : maquinas) {
    fb::Statement st(c, "INSERT INTO PDVFISC (MAQUINA, CODEMPRESA, NUMSERIE) VALUES (:M, :E, :S)");
    st.setString("M", maquina);
    st.setString("E", "01");
    st.setString("S", "DEMO" + maquina);
    st.execute();
  }
  c.commit();
}

TInsercaoCatalogo FInsercaoCatalogo(const TTabelaCatalogo& tabela,
                                    const std::map<std::string, std::string>& valores) {
  TInsercaoCatalogo r;
  std::string colunas, parametros;
  for (const TColunaCatalogo& coluna : tabela.colunas) {
    const auto it = valores.find(std::string(coluna.nome));
    if (it == valores.end() && !coluna.notNull) continue;
    colunas += (colunas.empty() ? "" : ", ") + std::string(coluna.nome);
    parametros += (parametros.empty() ? ":" : ", :") + std::string(coluna.nome);
    r.parametros.push_back({&coluna, it == valores.end() ? std::string() : it->second});
  }
  r.sql = "INSERT INTO " + std::string(tabela.nome) + " (" + colunas + ") VALUES (" + parametros + ")";
  return r;
}

namespace {

// A database about to be replaced must not be in use by anyone: it is opened once, exclusively
// for an in-process engine, before it is moved aside.
bool fbPodeSubstituir(const fs::path& arquivo, std::ostream& erro) {
  try {
    fb::Connection c(FConfiguracao(arquivo));
    c.open();
    c.close();
    return true;
  } catch (const fb::Error& e) {
    erro << "erro: o banco " << arquivo.string() << " não pode ser substituído: " << e.what()
         << '\n';
    return false;
  }
}

// Whether anything, even a dangling symbolic link, holds the name; an error other than "no such
// file" (a name too long, a folder that cannot be searched) is reported in `ec`.
bool fbOcupado(const fs::path& p, std::error_code& ec) {
  const fs::file_status st = fs::symlink_status(p, ec);
  if (ec && st.type() == fs::file_type::not_found) ec.clear();
  return !ec && fs::exists(st);
}

// What a run changes, undone unless it is confirmed: files and folders it created are removed, in
// reverse order; files it replaced were only moved aside and are put back.
class TDesfazer {
 public:
  void PRegistra(fs::path p) { criados_.push_back(std::move(p)); }
  // A folder that others fill (the engine's lock files): removed with what it holds.
  void PRegistraComConteudo(fs::path p) { comConteudo_.push_back(std::move(p)); }
  // Moves `p` aside under a free name in its folder, to be put back on failure.
  void PAfasta(const fs::path& p) {
    fs::path guarda;
    std::error_code ec;
    for (int n = 0;; ++n) {
      guarda = p;
      guarda += ".anterior" + (n ? std::to_string(n) : std::string());
      if (!fbOcupado(guarda, ec) && !ec) break;
      if (ec) throw fs::filesystem_error("não foi possível afastar", p, ec);
    }
    fs::rename(p, guarda);
    afastados_.emplace_back(p, guarda);
  }
  void PConfirma() {
    criados_.clear();
    comConteudo_.clear();
    std::error_code ec;
    for (const auto& [original, guarda] : afastados_) fs::remove(guarda, ec);
    afastados_.clear();
  }
  ~TDesfazer() {
    std::error_code ec;
    for (const auto& [original, guarda] : afastados_) fs::remove(original, ec);
    for (const fs::path& p : comConteudo_) fs::remove_all(p, ec);
    for (auto it = criados_.rbegin(); it != criados_.rend(); ++it) fs::remove(*it, ec);
    for (const auto& [original, guarda] : afastados_) fs::rename(guarda, original, ec);
  }

 private:
  std::vector<fs::path> criados_;
  std::vector<fs::path> comConteudo_;
  std::vector<std::pair<fs::path, fs::path>> afastados_;
};

}  // namespace

int FCriaDemo(const TOpcoesDemo& opcoes, std::ostream& saida, std::ostream& erro) {
  if (opcoes.caixas < 1 || opcoes.caixas > kMaximoCaixasDemo) {
    erro << "erro: --caixas deve ser de 1 a " << kMaximoCaixasDemo << '\n';
    return 1;
  }
  std::error_code ec;
  const fs::path pasta = fs::absolute(opcoes.pasta, ec).lexically_normal();
  const fs::path ini = fs::absolute(TConfiguracao::FArquivoPadrao(), ec).lexically_normal();
  // The agent reads "name:path" as a database on another host.
  if (pasta.string().find(':') != std::string::npos) {
    erro << "erro: a pasta " << pasta.string()
         << " tem \":\" no caminho, que o programa leria como nome de servidor\n";
    return 1;
  }
  TDesfazer desfazer;

  // The folders that do not exist yet are made, and removed again on failure.
  std::vector<fs::path> faltantes;
  for (fs::path p = pasta; !fbOcupado(p, ec) && !ec && p != p.parent_path(); p = p.parent_path())
    faltantes.push_back(p);
  for (auto it = faltantes.rbegin(); it != faltantes.rend() && !ec; ++it)
    if (fs::create_directory(*it, ec)) desfazer.PRegistra(*it);
  if (ec) {
    erro << "erro: não foi possível criar a pasta " << pasta.string() << ": " << ec.message()
         << '\n';
    return 1;
  }
  if (!fs::is_directory(pasta, ec)) {
    erro << "erro: " << pasta.string() << " não é uma pasta\n";
    return 1;
  }
  for (const fs::path& p : {pasta, ini.parent_path()}) {
    if (::access(p.c_str(), W_OK | X_OK) != 0) {
      erro << "erro: não é possível gravar na pasta " << p.string() << ": "
           << std::generic_category().message(errno) << '\n';
      return 1;
    }
  }

  // The demo's databases are private to this user: their lock files go to a folder beside the
  // configuration, which every later process that opens the configuration takes as well.
  const fs::path trava = FPastaTravaDaConfiguracao(ini);
  if (!fs::is_directory(trava, ec)) {
    if (fs::create_directory(trava, ec)) desfazer.PRegistraComConteudo(trava);
    if (ec) {
      erro << "erro: não foi possível criar a pasta " << trava.string() << ": " << ec.message()
           << '\n';
      return 1;
    }
  }
  try {
    PAplicaTravaDaConfiguracao(ini);
  } catch (const fs::filesystem_error& e) {
    erro << "erro: " << e.what() << '\n';
    return 1;
  }

  std::vector<fs::path> bancos{pasta / "servidor.fdb"};
  for (int n = 1; n <= opcoes.caixas; ++n) bancos.push_back(pasta / ("caixa" + FMaquina(n) + ".fdb"));

  std::vector<fs::path> existentes;
  for (const fs::path& p : bancos) {
    if (fbOcupado(p, ec)) existentes.push_back(p);
    if (ec) {
      erro << "erro: " << p.string() << ": " << ec.message() << '\n';
      return 1;
    }
  }
  if (fbOcupado(ini, ec)) {
    if (!fs::is_regular_file(ini)) {
      erro << "erro: o arquivo de configuração " << ini.string() << " não é um arquivo comum\n";
      return 1;
    }
    existentes.push_back(ini);
  } else if (ec) {
    erro << "erro: " << ini.string() << ": " << ec.message() << '\n';
    return 1;
  }
  if (!existentes.empty() && !opcoes.substituir) {
    erro << "erro: já existe " << existentes.front().string()
         << "; use --substituir para substituir a loja de demonstração\n";
    return 1;
  }
  for (const fs::path& p : existentes)
    if (p != ini && !fbPodeSubstituir(p, erro)) return 1;

  try {
    // What is replaced is only moved aside until the new store is complete.
    for (const fs::path& p : existentes) desfazer.PAfasta(p);
    std::vector<std::string> todas;
    for (int n = 1; n <= opcoes.caixas; ++n) todas.push_back(FMaquina(n));
    desfazer.PRegistra(bancos[0]);
    PCriaBancoDemo(bancos[0], todas);
    for (int n = 1; n <= opcoes.caixas; ++n) {
      desfazer.PRegistra(bancos[n]);
      PCriaBancoDemo(bancos[n], {FMaquina(n)});
    }

    desfazer.PRegistra(ini);
    TConfiguracao configuracao(ini);
    configuracao.PGravaConexaoServidor({bancos[0].string(), kUsuario, kSenha});
    for (int n = 1; n <= opcoes.caixas; ++n)
      configuracao.PGravaConexaoCaixa(n - 1, {bancos[n].string(), kUsuario, kSenha});
    TSelecaoTabelas todasMarcadas;
    todasMarcadas.PMarcaTodas(true);
    configuracao.PGravaSelecaoTabelas(todasMarcadas);

    {
      TSessaoCli sessao(erro);
      if (!sessao.fbConecta(configuracao)) return 1;
      if (!sessao.cadastro.FAtualizaBancoDeDados()) {
        erro << "erro: a estrutura de um dos bancos não pôde ser atualizada (veja o log)\n";
        return 1;
      }
      PCadastrosDemo(sessao.cadastro.GetListaConexao().FConexao(0));
    }
  } catch (const std::exception& e) {
    erro << "erro: a loja de demonstração não pôde ser criada: " << e.what() << '\n';
    return 1;
  }
  desfazer.PConfirma();
  saida << "loja de demonstração criada em " << pasta.string() << ": servidor.fdb e "
        << opcoes.caixas << " caixa(s); configuração em " << ini.string() << '\n';
  return 0;
}
