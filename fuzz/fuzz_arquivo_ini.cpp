// The INI file: any content, then one read and one single-key write of any section, key and value.
// - A write that is refused leaves the file byte for byte as it was.
// - A write that succeeds reads back, and every other line of the file is kept byte for byte: the
//   only differences are the key's own line (its value), or one added key line, or one added
//   section with its key, plus a line end given to a last line that had none.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/UArquivoIni.h"
#include "platform/ULatin1.h"

namespace fs = std::filesystem;

namespace {

fs::path arquivo;

std::string FLe(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PGrava(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct TLinha {
  std::string texto, fim;
};

std::vector<TLinha> FLinhas(const std::string& bytes) {
  std::vector<TLinha> linhas;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const auto lf = bytes.find('\n', pos);
    if (lf == std::string::npos) {
      // A last line without a line feed: a "\r" there is its end, as the file's reader sees it.
      const bool cr = bytes.back() == '\r';
      linhas.push_back({bytes.substr(pos, bytes.size() - pos - (cr ? 1 : 0)), cr ? "\r" : ""});
      break;
    }
    const bool cr = lf > pos && bytes[lf - 1] == '\r';
    linhas.push_back({bytes.substr(pos, lf - pos - (cr ? 1 : 0)), cr ? "\r\n" : "\n"});
    pos = lf + 1;
  }
  return linhas;
}

[[noreturn]] void PFalha(const char* oque, const std::string& antes, const std::string& depois) {
  std::fprintf(stderr, "%s\n--- antes (%zu bytes)\n", oque, antes.size());
  std::fwrite(antes.data(), 1, antes.size(), stderr);
  std::fprintf(stderr, "\n--- depois (%zu bytes)\n", depois.size());
  std::fwrite(depois.data(), 1, depois.size(), stderr);
  std::fputc('\n', stderr);
  abort();
}

// A line the write may have changed or added equals the old one up to its "=", then the value;
// a last line without an end may have gained one (its text the same).
void PConfereLinhas(const std::string& antes, const std::string& depois, const std::string& secao,
                    const std::string& chave, const std::string& valor) {
  const auto velhas = FLinhas(antes), novas = FLinhas(depois);
  const std::string linhaChave = chave + "=" + valor;
  const std::string linhaSecao = "[" + secao + "]";
  std::size_t i = 0, j = 0;
  int mudadas = 0, chavesNovas = 0, secoesNovas = 0;
  while (i < velhas.size() || j < novas.size()) {
    if (i < velhas.size() && j < novas.size() && velhas[i].texto == novas[j].texto &&
        (velhas[i].fim == novas[j].fim ||
         (i + 1 == velhas.size() && novas[j].fim.starts_with(velhas[i].fim)))) {
      ++i, ++j;
      continue;
    }
    // The key's own line first: an added line stands where the next old line has no key (a
    // blank line, a section header or the end), so this reading never hides an added one.
    if (i < velhas.size() && j < novas.size() && mudadas == 0 && chavesNovas == 0) {
      const auto igual = velhas[i].texto.find('=');
      if (igual != std::string::npos &&
          novas[j].texto == velhas[i].texto.substr(0, igual + 1) + valor &&
          (novas[j].fim == velhas[i].fim)) {
        ++mudadas, ++i, ++j;
        continue;
      }
    }
    if (j < novas.size() && novas[j].texto == linhaChave && chavesNovas == 0 && mudadas == 0) {
      ++chavesNovas, ++j;
      continue;
    }
    if (j < novas.size() && novas[j].texto == linhaSecao && secoesNovas == 0 && mudadas == 0) {
      ++secoesNovas, ++j;
      continue;
    }
    PFalha("uma linha que não é a da chave mudou", antes, depois);
  }
  if (secoesNovas == 1 && chavesNovas != 1) PFalha("seção nova sem a chave", antes, depois);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char modelo[] = "/dev/shm/fuzz_ini_XXXXXX";
  if (!::mkdtemp(modelo)) abort();
  arquivo = fs::path(modelo) / "Config.ini";
  std::atexit([] {
    std::error_code ec;
    fs::remove_all(arquivo.parent_path(), ec);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  FuzzedDataProvider entrada(dados, tamanho);
  const std::string secao = entrada.ConsumeRandomLengthString(24);
  const std::string chave = entrada.ConsumeRandomLengthString(24);
  const std::string valor = entrada.ConsumeRandomLengthString(48);
  const std::string conteudo = entrada.ConsumeRemainingBytesAsString();
  PGrava(arquivo, conteudo);

  TArquivoIniTexto ini(arquivo);
  const std::string lido = ini.fsLeTexto(secao, chave, "\x01padrao");
  (void)lido;
  try {
    ini.PGravaTexto(secao, chave, valor);
  } catch (const TErroArquivoIni&) {
    const std::string depois = FLe(arquivo);
    if (depois != conteudo) PFalha("uma gravação recusada mudou o arquivo", conteudo, depois);
    return 0;
  }
  const std::string depois = FLe(arquivo);
  if (ini.fsLeTexto(secao, chave, "\x01padrao") != valor)
    PFalha("o valor gravado não é o lido", conteudo, depois);
  PConfereLinhas(conteudo, depois, FUtf8ParaLatin1(secao), FUtf8ParaLatin1(chave),
                 FUtf8ParaLatin1(valor));
  return 0;
}
