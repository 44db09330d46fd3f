#include "platform/UArquivoIni.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/ULatin1.h"
#include "platform/UTravaArquivo.h"

namespace fs = std::filesystem;

namespace {

// How long a writer waits for another writer of the same directory before giving up.
constexpr auto kPrazoTrava = std::chrono::seconds(10);

enum class TLeitura { Lido, Ausente, NaoComum, Falhou };

struct TConteudo {
  std::string bytes;
  // The file holds passwords in clear: a new one is for its owner alone.
  mode_t modo = 0600;
  std::optional<std::pair<uid_t, gid_t>> dono;
};

TLeitura FLeArquivo(const fs::path& caminho, TConteudo& conteudo) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer that may never come; the type is
  // checked before anything is read. Reading a regular file never blocks, with or without it.
  const int fd = ::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? TLeitura::Ausente : TLeitura::Falhou;
  struct stat st {};
  TLeitura resultado = TLeitura::Lido;
  if (::fstat(fd, &st) != 0) {
    resultado = TLeitura::Falhou;
  } else if (!S_ISREG(st.st_mode)) {
    resultado = TLeitura::NaoComum;
  } else if (static_cast<std::size_t>(st.st_size) > TArquivoIniTexto::kTamanhoMaximo) {
    resultado = TLeitura::Falhou;
  } else {
    conteudo.modo = st.st_mode & 07777;
    conteudo.dono = std::make_pair(st.st_uid, st.st_gid);
    char buf[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 || conteudo.bytes.size() + static_cast<std::size_t>(n) >
                       TArquivoIniTexto::kTamanhoMaximo) {
        resultado = TLeitura::Falhou;
        break;
      }
      if (n == 0) break;
      conteudo.bytes.append(buf, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  return resultado;
}

unsigned char FMinuscula(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  // Latin-1 capitals À..Þ (except ×) have their small letter 32 places up.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  return c;
}

bool fbMesmoNome(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FMinuscula(static_cast<unsigned char>(a[i])) != FMinuscula(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

std::string_view FSemEspacos(std::string_view s) {
  const auto inicio = s.find_first_not_of(" \t");
  if (inicio == std::string_view::npos) return {};
  const auto fim = s.find_last_not_of(" \t");
  return s.substr(inicio, fim - inicio + 1);
}

// One line of the file: its content and the line end it was found with ("\r\n", "\n" or none at
// the end of the file), both as offsets into the file's bytes.
struct TLinha {
  std::size_t inicio, tamanho, fim;  // fim: offset after the line end
};

std::vector<TLinha> FDivideLinhas(std::string_view bytes) {
  std::vector<TLinha> linhas;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const auto lf = bytes.find('\n', pos);
    if (lf == std::string_view::npos) {
      const bool cr = bytes.back() == '\r';
      linhas.push_back({pos, bytes.size() - pos - (cr ? 1 : 0), bytes.size()});
      break;
    }
    const std::size_t tamanho = (lf > pos && bytes[lf - 1] == '\r') ? lf - 1 - pos : lf - pos;
    linhas.push_back({pos, tamanho, lf + 1});
    pos = lf + 1;
  }
  return linhas;
}

// The section name of a "[NAME]" line, or nothing for any other line.
std::optional<std::string_view> FNomeSecao(std::string_view linha) {
  const auto texto = FSemEspacos(linha);
  if (texto.empty() || texto.front() != '[') return std::nullopt;
  const auto fecha = texto.find(']');
  if (fecha == std::string_view::npos) return std::nullopt;
  return FSemEspacos(texto.substr(1, fecha - 1));
}

// Where a key stands in the file, as far as it was found.
struct TLocal {
  bool secaoAchada = false;
  std::size_t aposUltimaLinha = 0;  // offset after the section's last non-blank line
  bool ultimaSemFim = false;        // that line ends the file without a line end
  std::optional<std::pair<std::size_t, std::size_t>> valor;  // offset and length of the value
};

TLocal FLocaliza(std::string_view bytes, const std::vector<TLinha>& linhas, std::string_view secao,
                 std::string_view chave) {
  TLocal local;
  bool dentro = false;
  for (const auto& l : linhas) {
    const auto texto = bytes.substr(l.inicio, l.tamanho);
    if (const auto nome = FNomeSecao(texto)) {
      if (dentro) break;  // the first section of that name is the one that counts
      if (fbMesmoNome(*nome, secao)) {
        dentro = local.secaoAchada = true;
        local.aposUltimaLinha = l.fim;
        local.ultimaSemFim = bytes[l.fim - 1] != '\n';
      }
      continue;
    }
    if (!dentro) continue;
    const auto semEspacos = FSemEspacos(texto);
    if (semEspacos.empty()) continue;
    local.aposUltimaLinha = l.fim;
    local.ultimaSemFim = bytes[l.fim - 1] != '\n';
    if (semEspacos.front() == ';') continue;
    const auto igual = texto.find('=');
    if (igual == std::string_view::npos) continue;
    if (!local.valor && fbMesmoNome(FSemEspacos(texto.substr(0, igual)), chave))
      local.valor = std::make_pair(l.inicio + igual + 1, l.tamanho - igual - 1);
  }
  return local;
}

std::string_view FFimDeLinha(std::string_view bytes) {
  const auto lf = bytes.find('\n');
  if (lf != std::string_view::npos && lf > 0 && bytes[lf - 1] == '\r') return "\r\n";
  if (lf != std::string_view::npos) return "\n";
  return "\r\n";
}

// Ends the last line of `texto`, which has no line feed: a lone "\r" there becomes "\r\n".
void PTerminaLinha(std::string& texto, std::string_view fim) {
  texto.append(!texto.empty() && texto.back() == '\r' ? "\n" : fim);
}

std::string FParaArquivo(std::string_view utf8, const char* oque) {
  try {
    return FUtf8ParaLatin1(utf8);
  } catch (const TTextoNaoLatin1& e) {
    throw TErroArquivoIni(std::string(oque) + ": " + e.what());
  }
}

void PEscreveTudo(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw TErroArquivoIni(std::string("falha ao gravar: ") + std::strerror(errno));
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

class TDescritor {
 public:
  explicit TDescritor(int fd) : fd_(fd) {}
  ~TDescritor() {
    if (fd_ >= 0) ::close(fd_);
  }
  TDescritor(const TDescritor&) = delete;
  TDescritor& operator=(const TDescritor&) = delete;
  int get() const { return fd_; }
  int fecha() {
    const int r = ::close(fd_);
    fd_ = -1;
    return r;
  }

 private:
  int fd_;
};

void PEscreveEm(int fd, std::string_view bytes, off_t onde) {
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), onde);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw TErroArquivoIni(std::string("falha ao gravar: ") + std::strerror(errno));
    bytes.remove_prefix(static_cast<std::size_t>(n));
    onde += n;
  }
}

// Rewrites the file in place, for a file that may be written in a folder that may not: no
// temporary file can be made there. The caller holds the folder's lock. The part past the old end
// is written first, so that a full disk fails before any old byte is touched; a write that fails
// later puts the old bytes back. Readers do not take the lock and may see the file half updated
// for that moment; a rename, where the folder allows one, spares them that.
void PGravaNoLugar(const fs::path& destino, std::string_view antigos, std::string_view novos) {
  TDescritor fd(::open(destino.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0)
    throw TErroArquivoIni("não foi possível gravar " + destino.string() + ": " +
                          std::strerror(errno));
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
      st.st_size != static_cast<off_t>(antigos.size()))
    throw TErroArquivoIni(destino.string() + " mudou durante a gravação");
  const off_t tamanhoAntigo = static_cast<off_t>(antigos.size());
  const std::size_t comum = std::min(antigos.size(), novos.size());
  try {
    if (novos.size() > comum) PEscreveEm(fd.get(), novos.substr(comum), tamanhoAntigo);
    PEscreveEm(fd.get(), novos.substr(0, comum), 0);
    if (novos.size() < antigos.size() &&
        ::ftruncate(fd.get(), static_cast<off_t>(novos.size())) != 0)
      throw TErroArquivoIni(std::string("falha ao gravar: ") + std::strerror(errno));
    if (::fsync(fd.get()) != 0)
      throw TErroArquivoIni(std::string("falha ao gravar: ") + std::strerror(errno));
  } catch (const TErroArquivoIni&) {
    // The room for the old bytes is still there: writing them back cannot run out of space.
    try {
      PEscreveEm(fd.get(), antigos, 0);
    } catch (const TErroArquivoIni&) {
    }
    [[maybe_unused]] const int r = ::ftruncate(fd.get(), tamanhoAntigo);
    ::fsync(fd.get());
    throw;
  }
}

}  // namespace

TArquivoIniTexto::TArquivoIniTexto(fs::path arquivo) : arquivo_(std::move(arquivo)) {}

std::string TArquivoIniTexto::fsLeTexto(std::string_view secao, std::string_view chave,
                                        std::string_view padrao) const {
  std::string secaoLatin1, chaveLatin1;
  try {
    secaoLatin1 = FUtf8ParaLatin1(secao);
    chaveLatin1 = FUtf8ParaLatin1(chave);
  } catch (const TTextoNaoLatin1&) {
    return std::string(padrao);  // a name the file cannot hold is a name it does not have
  }
  TConteudo conteudo;
  if (FLeArquivo(arquivo_, conteudo) != TLeitura::Lido) return std::string(padrao);
  const std::string_view bytes = conteudo.bytes;
  const auto local = FLocaliza(bytes, FDivideLinhas(bytes), secaoLatin1, chaveLatin1);
  if (!local.valor) return std::string(padrao);
  return FLatin1ParaUtf8(bytes.substr(local.valor->first, local.valor->second));
}

void TArquivoIniTexto::PGravaTexto(std::string_view secao, std::string_view chave,
                                   std::string_view valor) {
  const std::string secaoLatin1 = FParaArquivo(secao, "nome de seção");
  const std::string chaveLatin1 = FParaArquivo(chave, "nome de chave");
  const std::string valorLatin1 = FParaArquivo(valor, "valor");
  if (secaoLatin1.empty() || FSemEspacos(secaoLatin1) != secaoLatin1 ||
      secaoLatin1.find_first_of("]\r\n") != std::string::npos)
    throw TErroArquivoIni("nome de seção inválido: [" + std::string(secao) + "]");
  if (chaveLatin1.empty() || FSemEspacos(chaveLatin1) != chaveLatin1 ||
      chaveLatin1.find_first_of("=\r\n") != std::string::npos || chaveLatin1.front() == ';' ||
      chaveLatin1.front() == '[')
    throw TErroArquivoIni("nome de chave inválido: " + std::string(chave));
  if (valorLatin1.find_first_of("\r\n") != std::string::npos)
    throw TErroArquivoIni("o valor de " + std::string(chave) + " tem uma quebra de linha");

  // A symbolic link stays a link: the file it points to is the one replaced.
  std::error_code ec;
  fs::path destino = fs::canonical(arquivo_, ec);
  if (ec) destino = arquivo_;
  fs::path pasta = destino.parent_path();
  if (pasta.empty()) pasta = ".";

  TDescritor trava(::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (trava.get() < 0)
    throw TErroArquivoIni("pasta inacessível: " + pasta.string() + ": " + std::strerror(errno));
  if (!fbTravaComPrazo(trava.get(), kPrazoTrava))
    throw TErroArquivoIni("outro processo está gravando em " + pasta.string());

  TConteudo atual;
  const TLeitura leitura = FLeArquivo(destino, atual);
  if (leitura == TLeitura::NaoComum)
    throw TErroArquivoIni(destino.string() + " não é um arquivo comum");
  if (leitura == TLeitura::Falhou)
    throw TErroArquivoIni("não foi possível ler " + destino.string());

  const std::string_view bytes = atual.bytes;
  const auto local = FLocaliza(bytes, FDivideLinhas(bytes), secaoLatin1, chaveLatin1);
  const std::string_view fim = FFimDeLinha(bytes);
  std::string novo;
  novo.reserve(bytes.size() + secaoLatin1.size() + chaveLatin1.size() + valorLatin1.size() + 8);
  if (local.valor) {
    novo.append(bytes.substr(0, local.valor->first));
    novo.append(valorLatin1);
    novo.append(bytes.substr(local.valor->first + local.valor->second));
  } else if (local.secaoAchada) {
    novo.append(bytes.substr(0, local.aposUltimaLinha));
    if (local.ultimaSemFim) PTerminaLinha(novo, fim);
    novo.append(chaveLatin1).append("=").append(valorLatin1).append(fim);
    novo.append(bytes.substr(local.aposUltimaLinha));
  } else {
    novo.append(bytes);
    if (!bytes.empty() && bytes.back() != '\n') PTerminaLinha(novo, fim);
    novo.append("[").append(secaoLatin1).append("]").append(fim);
    novo.append(chaveLatin1).append("=").append(valorLatin1).append(fim);
  }
  if (novo == bytes && !atual.bytes.empty()) return;

  std::string modelo = (pasta / ("." + destino.filename().string() + ".XXXXXX")).string();
  TDescritor temp(::mkostemp(modelo.data(), O_CLOEXEC));
  if (temp.get() < 0) {
    const int erro = errno;
    if (leitura == TLeitura::Lido) {
      PGravaNoLugar(destino, bytes, novo);
      return;
    }
    throw TErroArquivoIni("não foi possível criar " + modelo + ": " + std::strerror(erro));
  }
  try {
    // mkostemp made it 0600. It takes the old file's owner where this process may hand it over
    // (only a privileged one can), and the old file's mode; a file that stays with another owner
    // or group than the old one keeps its owner's permissions alone, so that its passwords are
    // never opened to a group or to users that could not read them before.
    mode_t modo = atual.modo;
    if (atual.dono) {
      struct stat st {};
      const bool mesmoDono =
          ::fchown(temp.get(), atual.dono->first, atual.dono->second) == 0 ||
          (::fstat(temp.get(), &st) == 0 && st.st_uid == atual.dono->first &&
           st.st_gid == atual.dono->second);
      if (!mesmoDono) modo &= 0700;
    }
    ::fchmod(temp.get(), modo);
    PEscreveTudo(temp.get(), novo);
    if (::fsync(temp.get()) != 0 || temp.fecha() != 0)
      throw TErroArquivoIni(std::string("falha ao gravar: ") + std::strerror(errno));
    if (::rename(modelo.c_str(), destino.c_str()) != 0)
      throw TErroArquivoIni("não foi possível substituir " + destino.string() + ": " +
                            std::strerror(errno));
  } catch (...) {
    ::unlink(modelo.c_str());
    throw;
  }
  ::fsync(trava.get());
}
