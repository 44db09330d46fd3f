#include "platform/ULogAtividade.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <thread>

#include "platform/ULatin1.h"
#include "platform/UTravaArquivo.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTentativas = 3;
constexpr auto kPausaEntreTentativas = std::chrono::milliseconds(20);
// Another writer holds the day's file for the time of one entry; longer means it is stuck.
constexpr auto kPrazoTrava = std::chrono::seconds(5);
// Above this the day's file is appended to without re-ending its lines.
constexpr off_t kTamanhoMaximoRevisao = 64 * 1024 * 1024;

// Serialises the writers of this process; the file lock serialises processes.
std::timed_mutex escritores;

// UTF-8 to Latin-1 that never fails: a character Latin-1 lacks, or a malformed byte, becomes "?".
std::string FLatin1Tolerante(std::string_view utf8) {
  try {
    return FUtf8ParaLatin1(utf8);
  } catch (const TTextoNaoLatin1&) {
  }
  std::string saida;
  saida.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    std::size_t tamanho = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    bool valido = tamanho > 0 && i + tamanho <= utf8.size();
    for (std::size_t k = 1; valido && k < tamanho; ++k)
      valido = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
    if (!valido) {
      saida.push_back('?');
      ++i;
      continue;
    }
    unsigned ponto = tamanho == 1 ? c : c & (0x7F >> tamanho);
    for (std::size_t k = 1; k < tamanho; ++k)
      ponto = (ponto << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    saida.push_back(ponto <= 0xFF ? static_cast<char>(ponto) : '?');
    i += tamanho;
  }
  return saida;
}

// The content as a list of lines, each ended with "\r\n"; a line ends at "\r", "\n" or "\r\n".
std::string FComFinsCrLf(std::string_view bytes) {
  std::string saida;
  saida.reserve(bytes.size() + 16);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      saida.append("\r\n");
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      saida.push_back(c);
    }
  }
  if (!bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n') saida.append("\r\n");
  return saida;
}

bool fbEscreveTudo(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool fbLeTudo(int fd, off_t tamanho, std::string& bytes) {
  bytes.resize(static_cast<std::size_t>(tamanho));
  std::size_t lidos = 0;
  while (lidos < bytes.size()) {
    const ssize_t n = ::pread(fd, bytes.data() + lidos, bytes.size() - lidos,
                              static_cast<off_t>(lidos));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    lidos += static_cast<std::size_t>(n);
  }
  return true;
}

enum class TResultado { Gravado, TentarDeNovo, Desistir };

// Replaces the file by `bytes` through a temporary file in the same folder.
bool fbSubstitui(const fs::path& arquivo, std::string_view bytes, mode_t modo) {
  std::string modelo = (arquivo.parent_path() / ("." + arquivo.filename().string() + ".XXXXXX"))
                           .string();
  const int fd = ::mkostemp(modelo.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, modo) == 0 && fbEscreveTudo(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(modelo.c_str(), arquivo.c_str()) == 0;
  if (!ok) ::unlink(modelo.c_str());
  return ok;
}

TResultado FGravaEntrada(const fs::path& arquivo, std::string_view entrada) {
  const int fd = ::open(arquivo.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return TResultado::TentarDeNovo;
  struct Fecha {
    int fd;
    ~Fecha() { ::close(fd); }
  } fecha{fd};

  struct stat st {};
  if (::fstat(fd, &st) != 0) return TResultado::TentarDeNovo;
  if (!S_ISREG(st.st_mode)) return TResultado::Desistir;  // never write into a device or pipe
  if (!fbTravaComPrazo(fd, kPrazoTrava)) return TResultado::Desistir;

  // Another writer may have replaced the file while this one waited for the lock.
  struct stat noCaminho {};
  if (::fstat(fd, &st) != 0 || ::stat(arquivo.c_str(), &noCaminho) != 0 ||
      noCaminho.st_dev != st.st_dev || noCaminho.st_ino != st.st_ino)
    return TResultado::TentarDeNovo;

  if (st.st_size > 0 && st.st_size <= kTamanhoMaximoRevisao) {
    std::string atual;
    if (!fbLeTudo(fd, st.st_size, atual)) return TResultado::TentarDeNovo;
    std::string revisto = FComFinsCrLf(atual);
    if (revisto != atual) {
      revisto.append(entrada);
      return fbSubstitui(arquivo, revisto, st.st_mode & 07777) ? TResultado::Gravado
                                                               : TResultado::TentarDeNovo;
    }
  }
  if (fbEscreveTudo(fd, entrada)) return TResultado::Gravado;
  // A full disk or a size limit: take back the part that was written, so that a later try does
  // not leave half an entry in front of the whole one.
  [[maybe_unused]] const int r = ::ftruncate(fd, st.st_size);
  return TResultado::TentarDeNovo;
}

}  // namespace

TLogAtividade::TLogAtividade(fs::path pasta, TRelogio relogio)
    : pasta_(std::move(pasta)), relogio_(std::move(relogio)) {}

std::string TLogAtividade::FNomeArquivo(TDateTime momento) {
  return "LogIntegrador" + fsDataSemSeparador(momento) + ".txt";
}

std::string TLogAtividade::FEntrada(TDateTime momento, std::string_view mensagem) {
  const auto p = FDecodeDataHora(momento);
  char hora[16];
  std::snprintf(hora, sizeof hora, "%02d:%02d:%02d", p.hora, p.minuto, p.segundo);
  return "DATA E HORA: " + fsDataCurta(momento) + " " + hora + "\r\n" +
         FLatin1Tolerante(mensagem) + "\r\n \r\n";
}

bool TLogAtividade::fbGrava(std::string_view mensagem) noexcept {
  try {
    std::unique_lock trava(escritores, std::defer_lock);
    if (!trava.try_lock_for(kPrazoTrava)) return false;
    for (int tentativa = 0; tentativa < kTentativas; ++tentativa) {
      if (tentativa > 0) std::this_thread::sleep_for(kPausaEntreTentativas);
      std::error_code ec;
      fs::create_directories(pasta_, ec);
      if (!fs::is_directory(pasta_, ec)) continue;
      const TDateTime agora = relogio_();
      const auto resultado = FGravaEntrada(pasta_ / FNomeArquivo(agora), FEntrada(agora, mensagem));
      if (resultado == TResultado::Gravado) return true;
      if (resultado == TResultado::Desistir) return false;
    }
  } catch (...) {
    // Out of memory or a failing clock: the entry is lost, the caller goes on.
  }
  return false;
}
