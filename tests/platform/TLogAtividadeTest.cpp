#include "platform/ULogAtividade.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

#include "ArquivoAuxiliar.h"
#include "PastaSomenteLeitura.h"
#include "platform/UGenerico.h"
#include "platform/UPastaPrograma.h"
#include "support/PastaTemporaria.h"

namespace {

// A function, not a global: FEncodeDataHora relies on a table of its own module that may not be
// set up yet while this file's globals are.
TDateTime F8Dez2026() { return FEncodeDataHora(2026, 12, 8, 14, 5, 9); }
const std::string kArquivo8Dez = "LogIntegrador08122026.txt";

class LogAtividadeTest : public ::testing::Test {
 protected:
  TPastaTemporaria pasta;
  std::filesystem::path pastaLog = pasta / "instalacao" / "LogIntg";
  TDateTime agora = F8Dez2026();
  TLogAtividade log{pastaLog, [this] { return agora; }};
};

TEST_F(LogAtividadeTest, FirstEntryCreatesTheFolderAndTheDaysFile) {
  ASSERT_TRUE(log.fbGrava("Sincronização Cadastro iniciada."));
  EXPECT_EQ(FLeBytes(pastaLog / kArquivo8Dez),
            "DATA E HORA: 08/12/2026 14:05:09\r\nSincroniza\xE7\xE3o Cadastro iniciada.\r\n \r\n");

  agora = FEncodeDataHora(2026, 12, 8, 9, 0, 0);
  ASSERT_TRUE(log.fbGrava(""));
  EXPECT_EQ(FLeBytes(pastaLog / kArquivo8Dez),
            "DATA E HORA: 08/12/2026 14:05:09\r\nSincroniza\xE7\xE3o Cadastro iniciada.\r\n \r\n"
            "DATA E HORA: 08/12/2026 09:00:00\r\n\r\n \r\n");
}

TEST_F(LogAtividadeTest, ACarriageReturnInAMessageBecomesALineEndOnceTheNextEntryIsWritten) {
  const std::string mensagem =
      "Ocorreu um erro ao tentar fazer conexão com o banco de dados.\rMotivo: falhou";
  const std::string primeira =
      "DATA E HORA: 08/12/2026 14:05:09\r\n"
      "Ocorreu um erro ao tentar fazer conex\xE3o com o banco de dados.\rMotivo: falhou\r\n \r\n";
  ASSERT_TRUE(log.fbGrava(mensagem));
  EXPECT_EQ(FLeBytes(pastaLog / kArquivo8Dez), primeira);

  ASSERT_TRUE(log.fbGrava("PCriaObjetos"));
  std::string esperado = primeira;
  esperado.replace(esperado.find("\rMotivo"), 1, "\r\n");
  esperado += "DATA E HORA: 08/12/2026 14:05:09\r\nPCriaObjetos\r\n \r\n";
  EXPECT_EQ(FLeBytes(pastaLog / kArquivo8Dez), esperado);
}

TEST_F(LogAtividadeTest, TheDateIsTakenWhenTheEntryIsWritten) {
  agora = FEncodeDataHora(2026, 12, 31, 23, 59, 59);
  ASSERT_TRUE(log.fbGrava("antes"));
  agora = FEncodeDataHora(2027, 1, 1, 0, 0, 0);
  ASSERT_TRUE(log.fbGrava("depois"));
  EXPECT_EQ(FLeBytes(pastaLog / "LogIntegrador31122026.txt"),
            "DATA E HORA: 31/12/2026 23:59:59\r\nantes\r\n \r\n");
  EXPECT_EQ(FLeBytes(pastaLog / "LogIntegrador01012027.txt"),
            "DATA E HORA: 01/01/2027 00:00:00\r\ndepois\r\n \r\n");
}

TEST_F(LogAtividadeTest, ForeignTextAndCharactersOutsideLatin1NeverStopAnEntry) {
  std::filesystem::create_directories(pastaLog);
  PGravaBytes(pastaLog / kArquivo8Dez, "linha solta sem fim");
  ASSERT_TRUE(log.fbGrava("custa 5 €, \xFF inválido"));
  EXPECT_EQ(FLeBytes(pastaLog / kArquivo8Dez),
            "linha solta sem fim\r\n"
            "DATA E HORA: 08/12/2026 14:05:09\r\ncusta 5 ?, ? inv\xE1lido\r\n \r\n");
}

TEST_F(LogAtividadeTest, AnUnusableLogPlaceIsGivenUpWithoutAnError) {
  // The log folder's place is taken by a file: the folder cannot be created.
  std::filesystem::create_directories(pastaLog.parent_path());
  PGravaBytes(pastaLog, "não é pasta");
  EXPECT_FALSE(log.fbGrava("perdida"));
  EXPECT_EQ(FLeBytes(pastaLog), "não é pasta");

  // The day's file is a folder.
  TLogAtividade outro(pasta / "outro", [this] { return agora; });
  std::filesystem::create_directories(pasta / "outro" / kArquivo8Dez);
  EXPECT_FALSE(outro.fbGrava("perdida"));

  TGenerico::PDefinePastaLog(pastaLog);
  TGenerico::PGeraLog("perdida");  // returns, raises nothing
  TGenerico::PDefinePastaLog({});
}

TEST_F(LogAtividadeTest, AWriteCutShortByAFullDiskLeavesNoHalfEntry) {
  ASSERT_TRUE(log.fbGrava("primeira"));
  const std::string antes = FLeBytes(pastaLog / kArquivo8Dez);
  const pid_t filho = ::fork();
  ASSERT_GE(filho, 0);
  if (filho == 0) {
    // The file may grow by 10 bytes only: the entry's write fails half way.
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limite{static_cast<rlim_t>(antes.size() + 10), static_cast<rlim_t>(antes.size() + 10)};
    ::setrlimit(RLIMIT_FSIZE, &limite);
    ::_exit(log.fbGrava("não cabe no disco") ? 1 : 0);
  }
  int estado = 0;
  ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
  ASSERT_TRUE(WIFEXITED(estado));
  EXPECT_EQ(WEXITSTATUS(estado), 0);
  EXPECT_EQ(FLeBytes(pastaLog / kArquivo8Dez), antes);
  ASSERT_TRUE(log.fbGrava("segunda"));
  EXPECT_EQ(FLeBytes(pastaLog / kArquivo8Dez),
            antes + "DATA E HORA: 08/12/2026 14:05:09\r\nsegunda\r\n \r\n");
}

// Every entry of the file, checked to be whole; returns their messages.
std::vector<std::string> FMensagens(const std::string& bytes) {
  std::vector<std::string> mensagens;
  std::size_t pos = 0;
  const std::string cabecalho = "DATA E HORA: 08/12/2026 14:05:09\r\n";
  while (pos < bytes.size()) {
    EXPECT_EQ(bytes.compare(pos, cabecalho.size(), cabecalho), 0) << "at " << pos;
    pos += cabecalho.size();
    const auto fim = bytes.find("\r\n \r\n", pos);
    if (fim == std::string::npos) {
      ADD_FAILURE() << "entrada incompleta";
      break;
    }
    mensagens.push_back(bytes.substr(pos, fim - pos));
    pos = fim + 5;
  }
  return mensagens;
}

TEST_F(LogAtividadeTest, WritersInThreadsAndTwoProcessesLoseNothing) {
  constexpr int kThreads = 3, kEntradas = 150;
  // A message with a lone carriage return makes writers rewrite the file now and then.
  auto escreve = [&](const std::string& quem) {
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
      threads.emplace_back([&, t] {
        TLogAtividade proprio(pastaLog, [] { return F8Dez2026(); });
        for (int i = 0; i < kEntradas; ++i) {
          const std::string m = quem + "-" + std::to_string(t) + "-" + std::to_string(i);
          if (!proprio.fbGrava(i % 50 == 0 ? m + "\rMotivo" : m)) std::abort();
        }
      });
    for (auto& t : threads) t.join();
  };
  const pid_t filho = ::fork();
  ASSERT_GE(filho, 0);
  if (filho == 0) {
    escreve("filho");
    ::_exit(0);
  }
  escreve("pai");
  int estado = 0;
  ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
  ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << "estado " << estado;

  std::multiset<std::string> vistas;
  for (auto m : FMensagens(FLeBytes(pastaLog / kArquivo8Dez))) {
    const auto cr = m.find("\r\nMotivo");
    if (cr != std::string::npos) m.erase(cr);
    vistas.insert(m);
  }
  std::multiset<std::string> esperadas;
  for (const std::string quem : {"pai", "filho"})
    for (int t = 0; t < kThreads; ++t)
      for (int i = 0; i < kEntradas; ++i)
        esperadas.insert(quem + "-" + std::to_string(t) + "-" + std::to_string(i));
  // The very last entry may still hold its lone "\r"; every other one has been re-ended.
  std::multiset<std::string> semCr;
  for (auto m : vistas) {
    const auto cr = m.find("\rMotivo");
    if (cr != std::string::npos) m.erase(cr);
    semCr.insert(m);
  }
  EXPECT_EQ(semCr, esperadas);
}

TEST_F(LogAtividadeTest, TheProcessWideLogGoesToTheChosenFolder) {
  TGenerico::PDefinePastaLog(pastaLog);
  TGenerico::PDefineRelogio([] { return F8Dez2026(); });
  TGenerico::PGeraLog("Fim Create.");
  TGenerico::PDefineRelogio({});
  TGenerico::PDefinePastaLog({});
  EXPECT_EQ(TGenerico::FPastaLog(), FPastaExecutavel() / "LogIntg");
  EXPECT_EQ(FLeBytes(pastaLog / kArquivo8Dez),
            "DATA E HORA: 08/12/2026 14:05:09\r\nFim Create.\r\n \r\n");
}

TEST_F(LogAtividadeTest, ACharacterOfFourBytesOutsideLatin1IsOneQuestionMark) {
  ASSERT_TRUE(log.fbGrava("venda \xF0\x9F\x98\x80 ok \xE2\x82\xAC"));
  EXPECT_EQ(FLeBytes(pastaLog / kArquivo8Dez),
            "DATA E HORA: 08/12/2026 14:05:09\r\nvenda ? ok ?\r\n \r\n");
}

TEST_F(LogAtividadeTest, ADaysFileEndingInALoneCarriageReturnIsEndedByTheNextEntry) {
  std::filesystem::create_directories(pastaLog);
  PGravaBytes(pastaLog / kArquivo8Dez, "linha de outro programa\r");
  ASSERT_TRUE(log.fbGrava("PCriaObjetos"));
  EXPECT_EQ(FLeBytes(pastaLog / kArquivo8Dez),
            "linha de outro programa\r\nDATA E HORA: 08/12/2026 14:05:09\r\nPCriaObjetos\r\n \r\n");
}

const std::string kEntradaCr =
    "DATA E HORA: 08/12/2026 14:05:09\r\nfalhou.\rMotivo: x\r\n \r\n";
const std::string kEntradaCrRevista =
    "DATA E HORA: 08/12/2026 14:05:09\r\nfalhou.\r\nMotivo: x\r\n \r\n";
std::string FEntrada(const std::string& mensagem) {
  return "DATA E HORA: 08/12/2026 14:05:09\r\n" + mensagem + "\r\n \r\n";
}

TEST_F(LogAtividadeTest, ALoneLineEndLeftByAnotherProcessIsEndedByTheNextEntryOfThisOne) {
  ASSERT_TRUE(log.fbGrava("deste"));
  const pid_t filho = ::fork();
  ASSERT_GE(filho, 0);
  if (filho == 0) {
    TLogAtividade outro(pastaLog, [] { return F8Dez2026(); });
    ::_exit(outro.fbGrava("ok") && outro.fbGrava("falhou.\rMotivo: x") ? 0 : 1);
  }
  int estado = 0;
  ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
  ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
  ASSERT_TRUE(log.fbGrava("depois"));
  EXPECT_EQ(FLeBytes(pastaLog / kArquivo8Dez),
            FEntrada("deste") + FEntrada("ok") + kEntradaCrRevista + FEntrada("depois"));

  // A file rewritten by someone else, shorter than what this process wrote, is read anew.
  PGravaBytes(pastaLog / kArquivo8Dez, "x\ny");
  ASSERT_TRUE(log.fbGrava("fim"));
  EXPECT_EQ(FLeBytes(pastaLog / kArquivo8Dez), "x\r\ny\r\n" + FEntrada("fim"));
}

TEST_F(LogAtividadeTest, ALineEndIsRepairedInPlaceAndAFailedRepairPutsTheOldBytesBack) {
  std::filesystem::create_directories(pastaLog);
  const auto arquivo = pastaLog / kArquivo8Dez;
  PGravaBytes(arquivo, FEntrada("antes") + kEntradaCr);
  const pid_t filho = ::fork();
  ASSERT_GE(filho, 0);
  if (filho == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const auto tamanho = static_cast<rlim_t>(std::filesystem::file_size(arquivo)) + 10;
    const rlimit limite{tamanho, tamanho};
    ::setrlimit(RLIMIT_FSIZE, &limite);
    ::_exit(log.fbGrava("não cabe") ? 1 : 0);
  }
  int estado = 0;
  ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
  ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
  EXPECT_EQ(FLeBytes(arquivo), FEntrada("antes") + kEntradaCr);

  struct stat antes {}, depois {};
  ::stat(arquivo.c_str(), &antes);
  ASSERT_TRUE(log.fbGrava("cabe"));
  ::stat(arquivo.c_str(), &depois);
  EXPECT_EQ(antes.st_ino, depois.st_ino);
  EXPECT_EQ(FLeBytes(arquivo), FEntrada("antes") + kEntradaCrRevista + FEntrada("cabe"));
}

TEST_F(LogAtividadeTest, ALogFolderThatTakesNoNewFileStillTakesEveryEntry) {
  std::filesystem::create_directories(pastaLog);
  const auto arquivo = pastaLog / kArquivo8Dez;
  PGravaBytes(arquivo, kEntradaCr);
  const auto resultado = FComPastaSomenteLeitura(pastaLog, {arquivo}, [&] {
    return log.fbGrava("um") && log.fbGrava("falhou.\rMotivo: x") && log.fbGrava("dois");
  });
  if (resultado == TResultadoFilho::SemNamespace) GTEST_SKIP() << "sem namespace de montagem";
  EXPECT_EQ(resultado, TResultadoFilho::Passou);
  EXPECT_EQ(FLeBytes(arquivo),
            kEntradaCrRevista + FEntrada("um") + kEntradaCrRevista + FEntrada("dois"));
}

}  // namespace
