// Writes the typed accessors of every record class from the table catalogue. For each table (the
// maintained ones and CADOPER) it writes UAcessores<Table>.h holding TAcessores<Table>: the class
// that binds the record to its catalogue entry, picks its base by whether the table has a
// definition, and has one getter and one setter per column, each reaching its column by position.
// A header is rewritten only when its text changes, so an unchanged catalogue recompiles nothing.
//
// Usage: gerador_acessores <output directory> <Table>...
// The tables named are those that have a record module (UClass<Table>.h). Every catalogue table
// must have one and every module a table; on any inconsistency nothing is written and the exit
// status is 1.
#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "records/UAcessores.h"
#include "schema/UCatalogoDados.h"
#include "schema/UCatalogoTipos.h"

namespace {
class EGerador : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TAcessorTexto {
  std::size_t posicao;
  std::string propriedade;
  std::string getter;  // empty: the class has no getters
  std::string setter;
  TTipoValor tipo;
  std::string coluna;  // column name and domain, for the comment
};

std::vector<const TTabelaCatalogo*> FTabelas() {
  std::vector<const TTabelaCatalogo*> tabelas(Catalogo.begin(), Catalogo.end());
  tabelas.push_back(&TabelaCadoper);
  return tabelas;
}

std::string fsS(std::string_view texto) { return std::string(texto); }

// The property type the getter returns and the setter takes.
std::string fsTipoPropriedade(TTipoValor tipo) {
  switch (tipo) {
    case TTipoValor::Texto: return "std::string";
    case TTipoValor::DataHora: return "TDateTime";
    case TTipoValor::Flutuante: return "double";
    case TTipoValor::Inteiro: return "std::int32_t";
  }
  throw EGerador("tipo de valor desconhecido");
}

// The alternative of TValorCampo that holds it.
std::string fsTipoGuardado(TTipoValor tipo) {
  switch (tipo) {
    case TTipoValor::Texto: return "std::string";
    case TTipoValor::DataHora:
    case TTipoValor::Flutuante: return "double";
    case TTipoValor::Inteiro: return "std::int32_t";
  }
  throw EGerador("tipo de valor desconhecido");
}

std::string fsEnumTipo(TTipoValor tipo) {
  switch (tipo) {
    case TTipoValor::Texto: return "TTipoValor::Texto";
    case TTipoValor::DataHora: return "TTipoValor::DataHora";
    case TTipoValor::Flutuante: return "TTipoValor::Flutuante";
    case TTipoValor::Inteiro: return "TTipoValor::Inteiro";
  }
  throw EGerador("tipo de valor desconhecido");
}

bool fbIdentificador(std::string_view nome) {
  if (nome.empty() || (nome[0] >= '0' && nome[0] <= '9')) return false;
  return std::all_of(nome.begin(), nome.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

bool fbSemGetters(const TTabelaCatalogo& tabela) {
  return std::find(std::begin(TabelasSemGetters), std::end(TabelasSemGetters), tabela.nome) !=
         std::end(TabelasSemGetters);
}

// Every spelling rule must name a table and property that exist, so a renamed column cannot leave
// a rule silently unused.
void PConfereRegras(const std::vector<const TTabelaCatalogo*>& tabelas) {
  auto procura = [&](std::string_view nome) -> const TTabelaCatalogo* {
    for (const TTabelaCatalogo* t : tabelas)
      if (t->nome == nome) return t;
    return nullptr;
  };
  for (const TGrafiaGetter& grafia : GrafiasGetter) {
    const TTabelaCatalogo* tabela = procura(grafia.tabela);
    if (tabela == nullptr || FPosicaoPropriedade(*tabela, grafia.propriedade) == NaoEncontrado)
      throw EGerador("grafia de getter para " + fsS(grafia.tabela) + "." + fsS(grafia.propriedade) +
                     ": a propriedade não existe no catálogo");
    if (fbSemGetters(*tabela))
      throw EGerador("grafia de getter para " + fsS(grafia.tabela) +
                     ", cuja classe não tem getters");
  }
  for (std::string_view nome : TabelasSemGetters)
    if (procura(nome) == nullptr)
      throw EGerador("tabela sem getters " + fsS(nome) + " não existe no catálogo");
}

std::vector<TAcessorTexto> FAcessores(const TTabelaCatalogo& tabela) {
  std::vector<TAcessorTexto> acessores;
  std::set<std::string> nomes;
  auto reserva = [&](const std::string& nome) {
    if (!fbIdentificador(nome) || !nomes.insert(nome).second)
      throw EGerador(fsS(tabela.classeRegistro) + ": acessor \"" + nome +
                     "\" inválido ou repetido");
  };
  for (std::size_t i = 0; i < tabela.colunas.size(); ++i) {
    const TColunaCatalogo& coluna = tabela.colunas[i];
    TAcessorTexto acessor{i, fsS(coluna.propriedade), "", "Set" + fsS(coluna.propriedade),
                          coluna.tipo, fsS(coluna.nome)};
    if (fbPossuiDominio(coluna.dominio)) acessor.coluna += " " + fsS(FDominio(coluna.dominio).Nome);
    if (coluna.notNull) acessor.coluna += " NOT NULL";
    if (!fbSemGetters(tabela)) {
      acessor.getter = "Get" + acessor.propriedade;
      for (const TGrafiaGetter& grafia : GrafiasGetter)
        if (grafia.tabela == tabela.nome && grafia.propriedade == coluna.propriedade)
          acessor.getter = fsS(grafia.getter);
      reserva(acessor.getter);
    }
    reserva(acessor.setter);
    acessores.push_back(std::move(acessor));
  }
  return acessores;
}

std::string fsCabecalho(const TTabelaCatalogo& tabela) {
  const std::string classe = "TAcessores" + fsS(tabela.nomeCapital);
  const std::string entrada = "Tabela" + fsS(tabela.nomeCapital);
  const std::string base = tabela.possuiDefinicao ? "TRegistroComEstrutura" : "TRegistro";
  const std::vector<TAcessorTexto> acessores = FAcessores(tabela);
  const bool comGetters = !fbSemGetters(tabela);

  std::ostringstream h;
  h << "// Written by records/gerador from the catalogue entry " << entrada
    << ". Do not edit: change the\n// catalogue and rebuild.\n"
       "#pragma once\n"
       "#include <cstddef>\n#include <cstdint>\n#include <string>\n#include <utility>\n\n"
       "#include \"platform/UDataHora.h\"\n"
       "#include \"records/UAcessores.h\"\n"
       "#include \"records/UClassRegistro.h\"\n"
       "#include \"schema/UCatalogoDados.h\"\n\n";
  h << "// " << tabela.nome << ": " << acessores.size() << " properties, each with "
    << (comGetters ? "its getter and setter" : "its setter (no getters)") << ".\n";
  h << "class " << classe << " : public " << base << " {\n public:\n";
  h << "  static constexpr std::size_t QuantidadeAcessores = " << acessores.size() << ";\n\n";
  for (const TAcessorTexto& a : acessores) {
    const std::string tipo = fsTipoPropriedade(a.tipo);
    const std::string guardado = fsTipoGuardado(a.tipo);
    const bool texto = a.tipo == TTipoValor::Texto;
    h << "  // " << a.coluna << "\n";
    if (!a.getter.empty())
      h << "  " << tipo << " " << a.getter << "() const { return FCampo<" << guardado << ">("
        << a.posicao << "); }\n";
    h << "  void " << a.setter << "(" << tipo << " valor) { PGuardaCampo<" << guardado << ">("
      << a.posicao << ", " << (texto ? "std::move(valor)" : "valor") << "); }\n";
  }
  h << "\n  // Every generated property in column order, handed to visitante as a TAcessorGerado,\n"
       "  // for code that walks the typed accessors of any class.\n"
       "  template <class TVisitante>\n"
       "  static void PVisitaAcessores(TVisitante&& visitante) {\n";
  for (const TAcessorTexto& a : acessores) {
    h << "    visitante(TAcessorGerado{" << a.posicao << "u, \"" << a.propriedade << "\", \""
      << a.getter << "\", ";
    if (a.getter.empty())
      h << "nullptr";
    else
      h << "&" << classe << "::" << a.getter;
    h << ", \"" << a.setter << "\", &" << classe << "::" << a.setter << "});\n";
  }
  h << "  }\n\n protected:\n  " << classe << "() : " << base << "(" << entrada << ") {}\n};\n\n";

  // The positions and types above must still be those of the catalogue this header is compiled
  // with, and no accessor may hide a member of the record it extends.
  h << "static_assert(" << entrada << ".colunas.size() == " << classe
    << "::QuantidadeAcessores,\n              \"" << classe
    << " is out of date with the catalogue\");\n";
  for (const TAcessorTexto& a : acessores)
    h << "static_assert(fbAcessorConfere(" << entrada << ", " << a.posicao << ", \""
      << a.propriedade << "\", " << fsEnumTipo(a.tipo) << "));\n";
  h << "static_assert([]<class TBase>() {\n  return !(";
  bool primeiro = true;
  for (const TAcessorTexto& a : acessores)
    for (const std::string* nome : {&a.getter, &a.setter}) {
      if (nome->empty()) continue;
      h << (primeiro ? "" : " ||\n           ") << "requires { &TBase::" << *nome << "; }";
      primeiro = false;
    }
  h << ");\n}.template operator()<" << base << ">(),\n              \"an accessor of " << classe
    << " hides a member of " << base << "\");\n";
  return h.str();
}

// Writes the file only when its text differs, keeping its time stamp otherwise.
void PGravaSeMudou(const std::filesystem::path& arquivo, const std::string& texto) {
  {
    std::ifstream atual(arquivo, std::ios::binary);
    if (atual) {
      const std::string antigo{std::istreambuf_iterator<char>(atual), {}};
      if (antigo == texto) return;
    }
  }
  const std::filesystem::path temporario = arquivo.string() + ".tmp";
  {
    std::ofstream saida(temporario, std::ios::binary | std::ios::trunc);
    saida << texto;
    saida.close();
    if (!saida) throw EGerador("não foi possível gravar " + temporario.string());
  }
  std::filesystem::rename(temporario, arquivo);
}
}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc < 2) throw EGerador("uso: gerador_acessores <diretório de saída> <Tabela>...");
    const std::filesystem::path saida = argv[1];
    const std::set<std::string> modulos(argv + 2, argv + argc);

    const std::vector<const TTabelaCatalogo*> tabelas = FTabelas();
    PConfereRegras(tabelas);
    std::set<std::string> doCatalogo;
    for (const TTabelaCatalogo* tabela : tabelas) doCatalogo.insert(fsS(tabela->nomeCapital));
    for (const std::string& nome : doCatalogo)
      if (!modulos.contains(nome))
        throw EGerador("a tabela " + nome + " do catálogo não tem módulo de registro UClass" +
                       nome + ".h");
    for (const std::string& nome : modulos)
      if (!doCatalogo.contains(nome))
        throw EGerador("o módulo de registro UClass" + nome + ".h não tem tabela no catálogo");

    // Every header is built before any is written, so a failure leaves the old set whole.
    std::vector<std::pair<std::filesystem::path, std::string>> arquivos;
    for (const TTabelaCatalogo* tabela : tabelas)
      arquivos.emplace_back(saida / ("UAcessores" + fsS(tabela->nomeCapital) + ".h"),
                            fsCabecalho(*tabela));
    std::filesystem::create_directories(saida);
    for (const auto& [arquivo, texto] : arquivos) PGravaSeMudou(arquivo, texto);
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "gerador_acessores: " << e.what() << "\n";
    return 1;
  }
}
