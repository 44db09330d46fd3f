// Latency of the sales flow as a store sees it: the time from a till's commit to the moment the
// same row can be read in the central database, with the agent running on its own (e.g.
// `sincrovia-cli executar`) and any other load beside it (the store simulator).
//
//   bench_latencia servidor INI
//       points every database of the configuration at the loopback server (127.0.0.1:path, files
//       handed to the server's user, SYSDBA and the server's password), so several processes can
//       share them
//   bench_latencia medir INI [--duracao S] [--intervalo-ms M] [--espera S]
//       for S seconds (default 120), every M ms (default 400) one till in turn commits a marker
//       row (a cash withdrawal whose MOTIVO holds the commit's wall-clock time in milliseconds);
//       the central database is polled every 25 ms, and each marker's latency is the time it was
//       first seen there minus the time written at the till. After the run it waits up to --espera
//       seconds (default 60) for markers still on their way, then prints count, median, 95th
//       percentile and maximum. Markers never seen are counted as lost (exit status 1).
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "firebird/Connection.h"
#include "firebird/Statement.h"
#include "platform/UConfiguracao.h"
#include "support/BancoTeste.h"

namespace fs = std::filesystem;

namespace {

const char* const kUsuarioMarca = "BENCHLAT";

long long FAgoraMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

fb::ConnectionSettings FConfig(const TDadosConexao& d) {
  return {d.caminho, d.usuario, d.senha, false};
}

// A local file path of the configuration as the loopback server names it.
TDadosConexao FNoServidor(const TDadosConexao& d, const std::string& senha) {
  if (d.caminho.find(':') != std::string::npos) return d;  // already host:path
  if (const passwd* pw = getpwnam("firebird")) {
    if (::chown(d.caminho.c_str(), pw->pw_uid, pw->pw_gid) != 0)
      throw std::runtime_error("chown failed for " + d.caminho);
  }
  return {"127.0.0.1:" + d.caminho, "SYSDBA", senha};
}

int FServidor(const fs::path& ini) {
  TConfiguracao config(ini);
  const std::string senha = FConfiguracaoServidor("").password;
  config.PGravaConexaoServidor(FNoServidor(config.FLeConexaoServidor(), senha));
  for (const TConexaoCaixa& c : config.FLeConexoesCaixa())
    config.PGravaConexaoCaixa(c.numero, FNoServidor(c.dados, senha));
  std::printf("bench_latencia: %s now names the databases through 127.0.0.1\n", ini.c_str());
  return 0;
}

struct TCaixa {
  std::unique_ptr<fb::Connection> conexao;
  std::string maquina;
};

double FPercentil(std::vector<long long> v, double p) {
  std::sort(v.begin(), v.end());
  // Nearest rank.
  const std::size_t k = static_cast<std::size_t>(std::max(1.0, std::ceil(p / 100.0 * v.size())));
  return static_cast<double>(v[std::min(k, v.size()) - 1]);
}

int FMedir(const fs::path& ini, int duracao, int intervaloMs, int espera) {
  TConfiguracao config(ini);
  std::vector<TCaixa> caixas;
  for (const TConexaoCaixa& c : config.FLeConexoesCaixa()) {
    TCaixa caixa;
    caixa.conexao = std::make_unique<fb::Connection>(FConfig(c.dados));
    caixa.conexao->open();
    fb::Statement q(*caixa.conexao,
                    "SELECT FIRST 1 MAQUINA FROM PDVFISC WHERE MAQUINA <> \"999\" ORDER BY MAQUINA",
                    false);
    auto r = q.executeQuery();
    r.expectOneRow();
    caixa.maquina = r.getString(0u);
    caixas.push_back(std::move(caixa));
  }
  if (caixas.empty()) throw std::runtime_error("no point of sale in " + ini.string());

  std::mutex trava;
  std::map<std::string, long long> enviadas;  // marker key -> commit time written at the till
  std::vector<long long> latencias;
  std::atomic<bool> fim{false};

  // The central database, polled until every marker arrived or the wait is over.
  std::string erroObservador;
  std::thread observador([&] {
   try {
    fb::Connection central(FConfig(config.FLeConexaoServidor()));
    central.open();
    std::set<std::string> vistas;
    const std::string sql = std::string("SELECT MAQUINA, CODSANGRIA, MOTIVO FROM SANGRIA WHERE "
                                        "USUARIO = \"") + kUsuarioMarca + "\"";
    while (true) {
      {
        fb::Statement q(central, sql, false);
        auto r = q.executeQuery();
        const long long agora = FAgoraMs();
        while (r.next()) {
          const std::string chave = r.getString(0u) + "/" + r.getString(1u);
          if (!vistas.insert(chave).second) continue;
          std::lock_guard<std::mutex> g(trava);
          latencias.push_back(agora - std::stoll(r.getString(2u)));
        }
      }
      {
        std::lock_guard<std::mutex> g(trava);
        if (fim && vistas.size() >= enviadas.size()) break;
      }
      if (fim.load() && espera-- <= 0) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
   } catch (const std::exception& e) {
    std::lock_guard<std::mutex> g(trava);
    erroObservador = e.what();
   }
  });

  // The tills, in turn.
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(duracao);
  int n = 0;
  std::string erroCaixa;
  try {
  while (std::chrono::steady_clock::now() < limite) {
    TCaixa& caixa = caixas[n % caixas.size()];
    char codigo[8];
    std::snprintf(codigo, sizeof codigo, "M%04d", (n / static_cast<int>(caixas.size())) % 10000);
    fb::Connection& c = *caixa.conexao;
    c.startTransaction();
    fb::Statement st(c,
                     "INSERT INTO SANGRIA (CODSANGRIA, USUARIO, MAQUINA, VALOR, MOTIVO, "
                     "DATASANGRIA, HORASANGRIA) VALUES (:C, :U, :M, 1, :T, :D, :H)");
    st.setString("C", codigo);
    st.setString("U", kUsuarioMarca);
    st.setString("M", caixa.maquina);
    const TDateTime agora = FAgora();
    const TDataHoraPartes partes = FDecodeDataHora(agora);
    char hora[8];
    std::snprintf(hora, sizeof hora, "%02d:%02d", partes.hora % 24, partes.minuto % 60);
    st.setDateTime("D", std::floor(agora));
    st.setString("H", hora);
    // The wall-clock time of the commit, written in the row itself: the commit follows at once.
    const long long t = FAgoraMs();
    st.setString("T", std::to_string(t));
    st.execute();
    c.commit();
    {
      std::lock_guard<std::mutex> g(trava);
      enviadas[caixa.maquina + "/" + codigo] = t;
    }
    ++n;
    std::this_thread::sleep_until(std::chrono::steady_clock::now() +
                                  std::chrono::milliseconds(intervaloMs));
  }
  } catch (const std::exception& e) {
    erroCaixa = e.what();
  }
  // The wait for markers on their way: --espera seconds, counted in 25 ms polls.
  espera = erroCaixa.empty() ? espera * 40 : 0;
  fim = true;
  observador.join();
  if (!erroCaixa.empty()) throw std::runtime_error("writing a marker at a till: " + erroCaixa);
  if (!erroObservador.empty())
    throw std::runtime_error("polling the central database: " + erroObservador);

  std::lock_guard<std::mutex> g(trava);
  const std::size_t perdidas = enviadas.size() - latencias.size();
  std::printf("latency   %zu markers at %zu tills over %d s (one every %d ms): ", enviadas.size(),
              caixas.size(), duracao, intervaloMs);
  if (latencias.empty()) {
    std::printf("none arrived\n");
    return 1;
  }
  std::printf("median %.2f s  p95 %.2f s  max %.2f s  not arrived %zu\n",
              FPercentil(latencias, 50) / 1000.0, FPercentil(latencias, 95) / 1000.0,
              static_cast<double>(*std::max_element(latencias.begin(), latencias.end())) / 1000.0,
              perdidas);
  return perdidas ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::string(argv[1]) == "servidor") return FServidor(argv[2]);
    if (argc >= 3 && std::string(argv[1]) == "medir") {
      int duracao = 120, intervalo = 400, espera = 60;
      for (int i = 3; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--duracao") duracao = std::stoi(argv[i + 1]);
        else if (a == "--intervalo-ms") intervalo = std::stoi(argv[i + 1]);
        else if (a == "--espera") espera = std::stoi(argv[i + 1]);
        else throw std::invalid_argument("unknown option " + a);
      }
      return FMedir(argv[2], duracao, intervalo, espera);
    }
    std::fprintf(stderr,
                 "usage: bench_latencia servidor INI\n"
                 "       bench_latencia medir INI [--duracao S] [--intervalo-ms M] [--espera S]\n");
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_latencia: %s\n", e.what());
    return 1;
  }
}
