#pragma once
// A JSON reader and a validator for the part of JSON Schema that the tool's schemas use: type
// (one or a list), properties, required, additionalProperties false, items, minItems, enum,
// minimum, minLength, pattern, oneOf and "#/$defs/..." references. What it does not know it
// refuses, so a schema never passes by being misread.
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

struct TJson {
  enum class TTipo { Nulo, Booleano, Numero, Texto, Lista, Objeto } tipo = TTipo::Nulo;
  bool booleano = false;
  double numero = 0;
  bool inteiro = false;  // written without fraction or exponent
  std::string texto;
  std::vector<TJson> lista;
  std::map<std::string, TJson> objeto;

  const TJson* campo(const std::string& nome) const {
    const auto it = objeto.find(nome);
    return it == objeto.end() ? nullptr : &it->second;
  }
};

class TLeitorJson {
 public:
  static TJson FLe(const std::string& texto) {
    TLeitorJson l(texto);
    TJson v = l.valor();
    l.espacos();
    if (l.p_ != l.t_.size()) l.falha("texto depois do documento");
    return v;
  }

 private:
  explicit TLeitorJson(const std::string& t) : t_(t) {}
  [[noreturn]] void falha(const std::string& m) const {
    throw std::runtime_error("JSON inválido na posição " + std::to_string(p_) + ": " + m);
  }
  void espacos() {
    while (p_ < t_.size() && (t_[p_] == ' ' || t_[p_] == '\n' || t_[p_] == '\r' || t_[p_] == '\t')) ++p_;
  }
  bool consome(const std::string& s) {
    if (t_.compare(p_, s.size(), s) != 0) return false;
    p_ += s.size();
    return true;
  }
  TJson valor() {
    espacos();
    if (p_ >= t_.size()) falha("fim inesperado");
    TJson v;
    const char c = t_[p_];
    if (c == '{') {
      v.tipo = TJson::TTipo::Objeto;
      ++p_;
      espacos();
      if (consome("}")) return v;
      for (;;) {
        espacos();
        if (p_ >= t_.size() || t_[p_] != '"') falha("nome de campo esperado");
        const std::string nome = texto();
        espacos();
        if (!consome(":")) falha("':' esperado");
        if (v.objeto.count(nome)) falha("campo repetido " + nome);
        v.objeto[nome] = valor();
        espacos();
        if (consome("}")) return v;
        if (!consome(",")) falha("',' ou '}' esperado");
      }
    }
    if (c == '[') {
      v.tipo = TJson::TTipo::Lista;
      ++p_;
      espacos();
      if (consome("]")) return v;
      for (;;) {
        v.lista.push_back(valor());
        espacos();
        if (consome("]")) return v;
        if (!consome(",")) falha("',' ou ']' esperado");
      }
    }
    if (c == '"') {
      v.tipo = TJson::TTipo::Texto;
      v.texto = texto();
      return v;
    }
    if (consome("true")) {
      v.tipo = TJson::TTipo::Booleano;
      v.booleano = true;
      return v;
    }
    if (consome("false")) {
      v.tipo = TJson::TTipo::Booleano;
      return v;
    }
    if (consome("null")) return v;
    static const std::regex numero(R"(^-?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?)");
    std::smatch m;
    const std::string resto = t_.substr(p_, 64);
    if (!std::regex_search(resto, m, numero)) falha("valor inesperado");
    v.tipo = TJson::TTipo::Numero;
    v.numero = std::stod(m.str());
    v.inteiro = !m[2].matched && !m[3].matched;
    p_ += m.length();
    return v;
  }
  std::string texto() {
    ++p_;
    std::string s;
    for (;;) {
      if (p_ >= t_.size()) falha("texto sem fim");
      const char c = t_[p_++];
      if (c == '"') return s;
      if (static_cast<unsigned char>(c) < 0x20) falha("caractere de controle cru num texto");
      if (c != '\\') {
        s += c;
        continue;
      }
      if (p_ >= t_.size()) falha("escape sem fim");
      const char e = t_[p_++];
      switch (e) {
        case '"': s += '"'; break;
        case '\\': s += '\\'; break;
        case '/': s += '/'; break;
        case 'b': s += '\b'; break;
        case 'f': s += '\f'; break;
        case 'n': s += '\n'; break;
        case 'r': s += '\r'; break;
        case 't': s += '\t'; break;
        case 'u': {
          unsigned cp = hex4();
          if (cp >= 0xD800 && cp < 0xDC00) {
            if (!consome("\\u")) falha("par substituto incompleto");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (hex4() - 0xDC00);
          }
          utf8(s, cp);
          break;
        }
        default: falha("escape desconhecido");
      }
    }
  }
  unsigned hex4() {
    if (p_ + 4 > t_.size()) falha("\\u incompleto");
    const unsigned v = static_cast<unsigned>(std::stoul(t_.substr(p_, 4), nullptr, 16));
    p_ += 4;
    return v;
  }
  static void utf8(std::string& s, unsigned cp) {
    if (cp < 0x80) {
      s += static_cast<char>(cp);
    } else if (cp < 0x800) {
      s += static_cast<char>(0xC0 | (cp >> 6));
      s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      s += static_cast<char>(0xE0 | (cp >> 12));
      s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      s += static_cast<char>(0xF0 | (cp >> 18));
      s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      s += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  const std::string& t_;
  std::size_t p_ = 0;
};

// Every violation of `documento` against `esquema`, each with its JSON pointer; empty when valid.
class TValidadorJson {
 public:
  explicit TValidadorJson(const TJson& esquema) : raiz_(esquema) {}

  std::vector<std::string> FErros(const TJson& documento) const {
    std::vector<std::string> erros;
    valida(raiz_, documento, "", erros);
    return erros;
  }

 private:
  static std::size_t caracteres(const std::string& s) {
    std::size_t n = 0;
    for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
  }
  static bool igual(const TJson& a, const TJson& b) {
    if (a.tipo != b.tipo) return false;
    switch (a.tipo) {
      case TJson::TTipo::Nulo: return true;
      case TJson::TTipo::Booleano: return a.booleano == b.booleano;
      case TJson::TTipo::Numero: return a.numero == b.numero;
      case TJson::TTipo::Texto: return a.texto == b.texto;
      default: throw std::logic_error("enum de listas ou objetos não é usado");
    }
  }
  static bool doTipo(const std::string& tipo, const TJson& v) {
    using T = TJson::TTipo;
    if (tipo == "null") return v.tipo == T::Nulo;
    if (tipo == "boolean") return v.tipo == T::Booleano;
    if (tipo == "string") return v.tipo == T::Texto;
    if (tipo == "array") return v.tipo == T::Lista;
    if (tipo == "object") return v.tipo == T::Objeto;
    if (tipo == "number") return v.tipo == T::Numero;
    if (tipo == "integer") return v.tipo == T::Numero && v.numero == std::floor(v.numero);
    throw std::logic_error("tipo de esquema desconhecido: " + tipo);
  }
  const TJson& referencia(const std::string& ref) const {
    const std::string prefixo = "#/$defs/";
    if (ref.rfind(prefixo, 0) != 0) throw std::logic_error("referência não suportada: " + ref);
    const TJson* defs = raiz_.campo("$defs");
    const TJson* alvo = defs ? defs->campo(ref.substr(prefixo.size())) : nullptr;
    if (!alvo) throw std::logic_error("referência sem destino: " + ref);
    return *alvo;
  }
  void valida(const TJson& e, const TJson& v, const std::string& onde,
              std::vector<std::string>& erros) const {
    static const std::vector<std::string> conhecidas = {
        "$schema", "$defs", "$ref", "title", "description", "type", "properties", "required",
        "additionalProperties", "items", "minItems", "enum", "minimum", "minLength", "pattern",
        "oneOf"};
    for (const auto& [palavra, valor] : e.objeto)
      if (std::find(conhecidas.begin(), conhecidas.end(), palavra) == conhecidas.end())
        throw std::logic_error("palavra de esquema não suportada: " + palavra);
    auto erro = [&](const std::string& m) { erros.push_back((onde.empty() ? "/" : onde) + ": " + m); };
    if (const TJson* r = e.campo("$ref")) valida(referencia(r->texto), v, onde, erros);
    if (const TJson* t = e.campo("type")) {
      bool algum = false;
      if (t->tipo == TJson::TTipo::Texto) algum = doTipo(t->texto, v);
      for (const TJson& x : t->lista) algum = algum || doTipo(x.texto, v);
      if (!algum) return erro("tipo errado");
    }
    if (const TJson* en = e.campo("enum")) {
      bool achou = false;
      for (const TJson& x : en->lista) achou = achou || igual(x, v);
      if (!achou) erro("valor fora da enumeração");
    }
    if (const TJson* um = e.campo("oneOf")) {
      int validos = 0;
      for (const TJson& alternativa : um->lista) {
        std::vector<std::string> e2;
        valida(alternativa, v, onde, e2);
        validos += e2.empty();
      }
      if (validos != 1) erro("oneOf: " + std::to_string(validos) + " alternativas valem");
    }
    if (v.tipo == TJson::TTipo::Numero) {
      if (const TJson* m = e.campo("minimum"); m && v.numero < m->numero) erro("abaixo do mínimo");
    }
    if (v.tipo == TJson::TTipo::Texto) {
      if (const TJson* m = e.campo("minLength"); m && caracteres(v.texto) < m->numero)
        erro("texto curto demais");
      if (const TJson* p = e.campo("pattern"); p && !std::regex_search(v.texto, std::regex(p->texto)))
        erro("texto fora do padrão " + p->texto);
    }
    if (v.tipo == TJson::TTipo::Lista) {
      if (const TJson* m = e.campo("minItems"); m && v.lista.size() < m->numero) erro("itens de menos");
      if (const TJson* itens = e.campo("items"))
        for (std::size_t i = 0; i < v.lista.size(); ++i)
          valida(*itens, v.lista[i], onde + "/" + std::to_string(i), erros);
    }
    if (v.tipo == TJson::TTipo::Objeto) {
      if (const TJson* req = e.campo("required"))
        for (const TJson& nome : req->lista)
          if (!v.campo(nome.texto)) erro("falta o campo " + nome.texto);
      const TJson* props = e.campo("properties");
      const TJson* adicionais = e.campo("additionalProperties");
      for (const auto& [nome, valor] : v.objeto) {
        const TJson* sub = props ? props->campo(nome) : nullptr;
        if (sub)
          valida(*sub, valor, onde + "/" + nome, erros);
        else if (adicionais && adicionais->tipo == TJson::TTipo::Booleano && !adicionais->booleano)
          erro("campo não previsto " + nome);
      }
    }
  }
  const TJson& raiz_;
};
