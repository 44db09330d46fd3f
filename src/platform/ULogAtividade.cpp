#include "platform/ULogAtividade.h"

#include <fcntl.h>
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

enum class TResultado { Gravado, TentarDeNovo, Desistir };

bool fbEscreveEm(int fd, std::string_view bytes, off_t onde) {
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), onde);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
    onde += n;
  }
  return true;
}

bool fbLeTrecho(int fd, off_t inicio, off_t fim, std::string& bytes) {
  bytes.resize(static_cast<std::size_t>(fim - inicio));
  std::size_t lidos = 0;
  while (lidos < bytes.size()) {
    const ssize_t n = ::pread(fd, bytes.data() + lidos, bytes.size() - lidos,
                              inicio + static_cast<off_t>(lidos));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    lidos += static_cast<std::size_t>(n);
  }
  return true;
}

// Every entry ends the lines written before it, so only the entry written last can hold a lone
// "\r" or "\n". This process remembers, for the day's file it wrote last, how far the file is
// known to hold nothing but lines ended with "\r\n"; the next entry then looks at what lies after
// that point alone, and a day's thousandth entry costs what its first one did. Another process
// only ever appends to the same file (under its lock), so the remembered part stays as it was; a
// file that was replaced or shrank is read from its start again.
struct TParteRevista {
  dev_t dispositivo = 0;
  ino_t inode = 0;
  off_t limpo = -1;  // the file up to here holds only "\r\n"-ended lines
};
TParteRevista parteRevista;  // guarded by `escritores`

off_t FInicioDaCauda(const struct stat& st) {
  if (parteRevista.limpo <= 0 || parteRevista.dispositivo != st.st_dev ||
      parteRevista.inode != st.st_ino || parteRevista.limpo > st.st_size)
    return 0;
  return parteRevista.limpo;
}

void PLembra(const struct stat& st, off_t limpo) {
  parteRevista = {st.st_dev, st.st_ino, limpo};
}

// Replaces the bytes from `inicio` on, `antigos`, by the longer `novos`, in place. The part past the
// old end is written first, so that a full disk stops the write before any old byte is touched;
// a write that fails all the same puts the old bytes back. No temporary file is needed, so a log
// folder that cannot take one does not stop the entries.
bool fbReescreveCauda(int fd, off_t inicio, std::string_view antigos, std::string_view novos) {
  const int modo = ::fcntl(fd, F_GETFL);
  // pwrite on a descriptor opened for appending would append.
  if (modo < 0 || ::fcntl(fd, F_SETFL, modo & ~O_APPEND) != 0) return false;
  struct Restaura {
    int fd, modo;
    ~Restaura() { ::fcntl(fd, F_SETFL, modo); }
  } restaura{fd, modo};
  const off_t fimAntigo = inicio + static_cast<off_t>(antigos.size());
  if (!fbEscreveEm(fd, novos.substr(antigos.size()), fimAntigo)) {
    [[maybe_unused]] const int r = ::ftruncate(fd, fimAntigo);
    return false;
  }
  if (!fbEscreveEm(fd, novos.substr(0, antigos.size()), inicio)) {
    [[maybe_unused]] const bool devolvido = fbEscreveEm(fd, antigos, inicio);
    [[maybe_unused]] const int r = ::ftruncate(fd, fimAntigo);
    return false;
  }
  return true;
}

// Appends the entry to the locked file, re-ending the lines of what the last entry left first
// when they need it.
TResultado FAcrescenta(int fd, const struct stat& st, std::string_view entrada) {
  // An entry starts right after a "\r\n", so whether it leaves a lone line end is its own matter.
  const bool entradaLimpa = FComFinsCrLf(entrada) == entrada;
  if (st.st_size > 0 && st.st_size <= kTamanhoMaximoRevisao) {
    off_t inicio = FInicioDaCauda(st);
    std::string cauda;
    // The two bytes before the remembered point must still be the line end that closed it.
    const off_t lido = inicio >= 2 ? inicio - 2 : 0;
    if (!fbLeTrecho(fd, lido, st.st_size, cauda)) return TResultado::TentarDeNovo;
    if (inicio >= 2 && cauda.compare(0, 2, "\r\n") != 0) {
      inicio = 0;
      if (!fbLeTrecho(fd, 0, st.st_size, cauda)) return TResultado::TentarDeNovo;
    } else if (inicio >= 2) {
      cauda.erase(0, 2);
    }
    std::string revista = FComFinsCrLf(cauda);
    if (revista != cauda) {
      const off_t inicioEntrada = inicio + static_cast<off_t>(revista.size());
      revista.append(entrada);
      if (!fbReescreveCauda(fd, inicio, cauda, revista)) return TResultado::TentarDeNovo;
      PLembra(st, entradaLimpa ? inicioEntrada + static_cast<off_t>(entrada.size())
                               : inicioEntrada);
      return TResultado::Gravado;
    }
  }
  if (fbEscreveTudo(fd, entrada)) {
    if (st.st_size <= kTamanhoMaximoRevisao)
      PLembra(st, entradaLimpa ? st.st_size + static_cast<off_t>(entrada.size()) : st.st_size);
    return TResultado::Gravado;
  }
  // A full disk or a size limit: take back the part that was written, so that a later try does
  // not leave half an entry in front of the whole one.
  [[maybe_unused]] const int r = ::ftruncate(fd, st.st_size);
  return TResultado::TentarDeNovo;
}

// Another writer replacing the file while this one waits for its lock is progress, not failure:
// this writer then starts over on the new file, until the deadline for the lock passes.
TResultado FGravaEntrada(const fs::path& arquivo, std::string_view entrada) {
  const auto limite = std::chrono::steady_clock::now() + kPrazoTrava;
  for (;;) {
    const int fd = ::open(arquivo.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return TResultado::TentarDeNovo;
    struct Fecha {
      int fd;
      ~Fecha() { ::close(fd); }
    } fecha{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0) return TResultado::TentarDeNovo;
    if (!S_ISREG(st.st_mode)) return TResultado::Desistir;  // never write into a device or pipe
    const auto resta = std::chrono::duration_cast<std::chrono::milliseconds>(
        limite - std::chrono::steady_clock::now());
    if (resta.count() <= 0 || !fbTravaComPrazo(fd, resta)) return TResultado::Desistir;

    struct stat noCaminho {};
    if (::fstat(fd, &st) != 0) return TResultado::TentarDeNovo;
    if (::stat(arquivo.c_str(), &noCaminho) != 0 || noCaminho.st_dev != st.st_dev ||
        noCaminho.st_ino != st.st_ino)
      continue;
    return FAcrescenta(fd, st, entrada);
  }
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
