// The activity log at the size of a busy day: N entries (200,000 by default) into one day's file,
// timing each window of W entries (10,000). An entry must cost the same at the end of the day as
// at its start: the last window's time per entry should be within 1.5x of the first's.
//   bench_log [--entradas N] [--janela W] [--cr-a-cada K] [--pasta DIR]
// --cr-a-cada K: every K-th message holds a lone "\r" (as the connection-failure messages do), so
// the next entry re-ends its lines.
// Each window gives the wall-clock time and the process's CPU time (user and system) per entry;
// on a machine shared with other work the CPU time is the steadier of the two.
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ULogAtividade.h"

namespace fs = std::filesystem;

double FSegundosCpu() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

int main(int argc, char** argv) {
  long entradas = 200'000, janela = 10'000, crACada = 0;
  fs::path pasta;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view opcao = argv[i];
    if (opcao == "--entradas") entradas = std::atol(argv[i + 1]);
    else if (opcao == "--janela") janela = std::atol(argv[i + 1]);
    else if (opcao == "--cr-a-cada") crACada = std::atol(argv[i + 1]);
    else if (opcao == "--pasta") pasta = argv[i + 1];
    else {
      std::fprintf(stderr, "opção desconhecida: %s\n", argv[i]);
      return 2;
    }
  }
  if (entradas < 2 * janela || janela <= 0) {
    std::fprintf(stderr, "--entradas deve ser ao menos o dobro de --janela\n");
    return 2;
  }
  const bool pastaPropria = pasta.empty();
  if (pastaPropria) {
    std::string modelo = (fs::temp_directory_path() / "bench_log_XXXXXX").string();
    if (!::mkdtemp(modelo.data())) return 1;
    pasta = modelo;
  }
  const TDateTime dia = FEncodeDataHora(2026, 12, 8, 14, 5, 9);
  TLogAtividade log(pasta, [dia] { return dia; });

  std::vector<double> usPorEntrada, usCpuPorEntrada;
  auto inicio = std::chrono::steady_clock::now();
  double inicioCpu = FSegundosCpu();
  for (long i = 1; i <= entradas; ++i) {
    std::string mensagem = "Caixa 3: 1000 registros de venda copiados (lote " + std::to_string(i) +
                           ").";
    if (crACada > 0 && i % crACada == 0)
      mensagem = "Ocorreu um erro ao tentar fazer conexão com o banco de dados.\rMotivo: " +
                 std::to_string(i);
    if (!log.fbGrava(mensagem)) {
      std::fprintf(stderr, "a entrada %ld não foi gravada\n", i);
      return 1;
    }
    if (i % janela == 0) {
      const auto agora = std::chrono::steady_clock::now();
      const double agoraCpu = FSegundosCpu();
      usPorEntrada.push_back(std::chrono::duration<double, std::micro>(agora - inicio).count() /
                             static_cast<double>(janela));
      usCpuPorEntrada.push_back((agoraCpu - inicioCpu) * 1e6 / static_cast<double>(janela));
      inicio = agora;
      inicioCpu = agoraCpu;
    }
  }
  const auto arquivo = pasta / TLogAtividade::FNomeArquivo(dia);
  const double primeira = usPorEntrada.front(), ultima = usPorEntrada.back();
  std::printf("entradas: %ld, arquivo: %.1f MB\n", entradas,
              static_cast<double>(fs::file_size(arquivo)) / (1024.0 * 1024.0));
  for (std::size_t k = 0; k < usPorEntrada.size(); ++k)
    std::printf("  entradas %7ld-%7ld: %7.2f us/entrada (CPU %6.2f us)\n",
                static_cast<long>(k) * janela + 1, static_cast<long>(k + 1) * janela,
                usPorEntrada[k], usCpuPorEntrada[k]);
  std::printf("primeiras %ld: %.2f us/entrada; últimas %ld: %.2f us/entrada; razão %.2f (meta <= 1.5)\n",
              janela, primeira, janela, ultima, ultima / primeira);
  std::printf("em tempo de CPU: primeiras %.2f us/entrada; últimas %.2f us/entrada; razão %.2f\n",
              usCpuPorEntrada.front(), usCpuPorEntrada.back(),
              usCpuPorEntrada.back() / usCpuPorEntrada.front());
  if (pastaPropria) fs::remove_all(pasta);
  return 0;
}
