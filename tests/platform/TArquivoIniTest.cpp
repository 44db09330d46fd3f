#include "platform/UArquivoIni.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <future>
#include <thread>
#include <vector>

#include "ArquivoAuxiliar.h"
#include "PastaSomenteLeitura.h"
#include "support/PastaTemporaria.h"

namespace {

class ArquivoIniTest : public ::testing::Test {
 protected:
  TPastaTemporaria pasta;
  std::filesystem::path arquivo = pasta / "VeltrixIntegracao.ini";
  TArquivoIniTexto ini{arquivo};
};

TEST_F(ArquivoIniTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "CAMINHO", "padrão"), "padrão");
  EXPECT_FALSE(std::filesystem::exists(arquivo));
  ini.PGravaTexto("CADASTRO", "ATUALIZA", "1");
  EXPECT_EQ(FLeBytes(arquivo), "[CADASTRO]\r\nATUALIZA=1\r\n");
  ini.PGravaTexto("VENDAS", "ATUALIZA", "1");
  EXPECT_EQ(FLeBytes(arquivo), "[CADASTRO]\r\nATUALIZA=1\r\n[VENDAS]\r\nATUALIZA=1\r\n");
  EXPECT_EQ(ini.fsLeTexto("vendas", "atualiza", ""), "1");
}

TEST_F(ArquivoIniTest, MatchingIgnoresCaseAndTheValueIsTheTextAfterTheFirstEquals) {
  PGravaBytes(arquivo,
              "[Conexao]\r\n"
              "  caminho =servidor:/dados/a=b.fdb \r\n"
              "Usuario=\r\n"
              ";SENHA=comentada\r\n"
              "SENHA\r\n");
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "CAMINHO", "x"), "servidor:/dados/a=b.fdb ");
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "USUARIO", "x"), "");
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "SENHA", "x"), "x");  // a comment and a line without "="
  EXPECT_EQ(ini.fsLeTexto("OUTRA", "CAMINHO", "x"), "x");
}

TEST_F(ArquivoIniTest, LinesOfBlanksInsideASectionAreSkipped) {
  // Hand-edited files often hold lines of spaces or tabs between keys.
  const std::string antes = "[CONEXAO]\r\n   \r\n\t\r\nCAMINHO=/dados/base.fdb\r\n \t \r\n";
  PGravaBytes(arquivo, antes);
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "CAMINHO", "x"), "/dados/base.fdb");
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "SENHA", "x"), "x");
  ini.PGravaTexto("CONEXAO", "SENHA", "s");
  EXPECT_EQ(FLeBytes(arquivo),
            "[CONEXAO]\r\n   \r\n\t\r\nCAMINHO=/dados/base.fdb\r\nSENHA=s\r\n \t \r\n");
}

TEST_F(ArquivoIniTest, SingleKeyWriteKeepsEveryOtherLineByteForByte) {
  const std::string antes =
      "; configuração feita à mão\r\n"
      "solta antes de qualquer seção\n"
      "[CONEXAO]\r\n"
      "CAMINHO=velho\r\n"
      "# linha sem igual\r\n"
      "USUARIO=SYSDBA\n"
      "\r\n"
      "[ESTRANHA]\r\n"
      "X = \t y \r\n"
      "\r\n"
      "[TABELAS]\r\n"
      "PRODUTO=S";
  PGravaBytes(arquivo, antes);

  ini.PGravaTexto("conexao", "caminho", "novo");
  std::string esperado = antes;
  esperado.replace(esperado.find("velho"), 5, "novo");
  EXPECT_EQ(FLeBytes(arquivo), esperado);

  // A new key goes after the section's last non-blank line, with the file's own line end.
  ini.PGravaTexto("CONEXAO", "SENHA", "masterkey");
  esperado.insert(esperado.find("\r\n[ESTRANHA]"), "SENHA=masterkey\r\n");
  EXPECT_EQ(FLeBytes(arquivo), esperado);

  // The last line had no line end: the new key gets one before it.
  ini.PGravaTexto("TABELAS", "CLIENTE", "N");
  esperado += "\r\nCLIENTE=N\r\n";
  EXPECT_EQ(FLeBytes(arquivo), esperado);

  ini.PGravaTexto("HORA", "PRIMEIRA", "00:00:00");
  esperado += "[HORA]\r\nPRIMEIRA=00:00:00\r\n";
  EXPECT_EQ(FLeBytes(arquivo), esperado);
}

TEST_F(ArquivoIniTest, FileWithLineFeedsOnlyKeepsThem) {
  PGravaBytes(arquivo, "[A]\nK=1\n");
  ini.PGravaTexto("A", "L", "2");
  ini.PGravaTexto("B", "M", "3");
  EXPECT_EQ(FLeBytes(arquivo), "[A]\nK=1\nL=2\n[B]\nM=3\n");
}

TEST_F(ArquivoIniTest, DuplicateSectionsAndKeysTheFirstOneCountsForReadAndWrite) {
  PGravaBytes(arquivo, "[A]\r\nK=1\r\nK=2\r\n[B]\r\n[a]\r\nK=3\r\nZ=9\r\n");
  EXPECT_EQ(ini.fsLeTexto("A", "K", ""), "1");
  EXPECT_EQ(ini.fsLeTexto("A", "Z", "padrão"), "padrão");
  ini.PGravaTexto("A", "K", "7");
  ini.PGravaTexto("A", "Z", "8");
  EXPECT_EQ(FLeBytes(arquivo), "[A]\r\nK=7\r\nK=2\r\nZ=8\r\n[B]\r\n[a]\r\nK=3\r\nZ=9\r\n");
  EXPECT_EQ(ini.fsLeTexto("A", "Z", ""), "8");
}

TEST_F(ArquivoIniTest, Latin1OnDiskUtf8Inside) {
  const std::string caminho = "C:\\Lojas\\Configuração\\BASE.FDB";
  ini.PGravaTexto("CONEXAO", "CAMINHO", caminho);
  EXPECT_EQ(FLeBytes(arquivo), "[CONEXAO]\r\nCAMINHO=C:\\Lojas\\Configura\xE7\xE3o\\BASE.FDB\r\n");
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "CAMINHO", ""), caminho);
  // A file written elsewhere in Latin-1 reads the same way.
  PGravaBytes(arquivo, "[CONEXAO]\r\nSENHA=a\xE7\xFF\r\n");
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "SENHA", ""), "açÿ");
}

TEST_F(ArquivoIniTest, WhatTheFileCannotHoldIsRefusedAndTheFileIsUnchanged) {
  PGravaBytes(arquivo, "[A]\r\nK=1\r\n");
  EXPECT_THROW(ini.PGravaTexto("A", "K", "duas\r\nlinhas"), TErroArquivoIni);
  EXPECT_THROW(ini.PGravaTexto("A", "K", "€"), TErroArquivoIni);
  EXPECT_THROW(ini.PGravaTexto("A", "K=", "1"), TErroArquivoIni);
  EXPECT_THROW(ini.PGravaTexto("A]", "K", "1"), TErroArquivoIni);
  EXPECT_THROW(ini.PGravaTexto("", "K", "1"), TErroArquivoIni);
  EXPECT_EQ(FLeBytes(arquivo), "[A]\r\nK=1\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.caminho()),
                          std::filesystem::directory_iterator()),
            1);  // no temporary file left behind
}

TEST_F(ArquivoIniTest, NotAnIniFileReadsDefaultsAndAWriteOnlyAddsToIt) {
  std::string lixo;
  for (int i = 0; i < 4096; ++i) lixo.push_back(static_cast<char>((i * 131 + 7) % 256));
  lixo += std::string(2'000'000, 'x');  // a very long line
  lixo += "=sem seção\r\n[QUEBRADA\r\nK=1\r";
  PGravaBytes(arquivo, lixo);
  EXPECT_EQ(ini.fsLeTexto("QUEBRADA", "K", "padrão"), "padrão");
  PGravaBytes(arquivo, lixo + "\n[FIM]\r\nK=1\r");
  EXPECT_EQ(ini.fsLeTexto("fim", "k", ""), "1");
  ini.PGravaTexto("FIM", "L", "2");
  // The lone "\r" at the end is completed; the new line takes the file's first line end, a
  // bare "\n" in the binary bytes.
  ASSERT_NE(lixo[lixo.find('\n') - 1], '\r');
  EXPECT_EQ(FLeBytes(arquivo), lixo + "\n[FIM]\r\nK=1\r\nL=2\n");
  EXPECT_EQ(ini.fsLeTexto("fim", "k", ""), "1");
  PGravaBytes(arquivo, lixo);
  ini.PGravaTexto("CONEXAO", "CAMINHO", "/dados/base.fdb");
  const std::string depois = FLeBytes(arquivo);
  ASSERT_GT(depois.size(), lixo.size());
  EXPECT_EQ(depois.substr(0, lixo.size()), lixo);
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "CAMINHO", ""), "/dados/base.fdb");
}

TEST_F(ArquivoIniTest, UnreadableFileReadsDefaultsAndIsNeverReplaced) {
  std::filesystem::create_directory(arquivo);  // a folder where the file should be
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "CAMINHO", "padrão"), "padrão");
  EXPECT_THROW(ini.PGravaTexto("CONEXAO", "CAMINHO", "x"), TErroArquivoIni);
  EXPECT_TRUE(std::filesystem::is_directory(arquivo));

  TArquivoIniTexto semPasta(pasta / "nao-existe" / "VeltrixIntegracao.ini");
  EXPECT_EQ(semPasta.fsLeTexto("A", "B", "d"), "d");
  EXPECT_THROW(semPasta.PGravaTexto("A", "B", "x"), TErroArquivoIni);
}

TEST_F(ArquivoIniTest, ALinkedFileStaysLinked) {
  const auto real = pasta / "real.ini";
  PGravaBytes(real, "[A]\r\nK=1\r\n");
  std::filesystem::create_symlink(real, arquivo);
  ini.PGravaTexto("A", "K", "2");
  EXPECT_TRUE(std::filesystem::is_symlink(arquivo));
  EXPECT_EQ(FLeBytes(real), "[A]\r\nK=2\r\n");
}

TEST_F(ArquivoIniTest, ConcurrentWritersInThreadsAndProcessesLoseNoKey) {
  constexpr int kChaves = 40;
  auto escreve = [&](const std::string& secao) {
    TArquivoIniTexto proprio(arquivo);
    for (int i = 0; i < kChaves; ++i) proprio.PGravaTexto(secao, "K" + std::to_string(i), "v");
  };
  const pid_t filho = ::fork();
  ASSERT_GE(filho, 0);
  if (filho == 0) {
    try {
      escreve("FILHO");
    } catch (...) {
      ::_exit(1);
    }
    ::_exit(0);
  }
  std::vector<std::thread> threads;
  for (int t = 0; t < 3; ++t) threads.emplace_back(escreve, "T" + std::to_string(t));
  for (auto& t : threads) t.join();
  int estado = 0;
  ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
  ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);

  for (const std::string secao : {"FILHO", "T0", "T1", "T2"})
    for (int i = 0; i < kChaves; ++i)
      EXPECT_EQ(ini.fsLeTexto(secao, "K" + std::to_string(i), "perdida"), "v") << secao << i;
}

TEST_F(ArquivoIniTest, AKeyWrittenUnderASectionHeaderOnTheLastLineWithoutALineEndIsKept) {
  PGravaBytes(arquivo, "[HORA]\r\nPRIMEIRA=08:00\r\n[CONEXAO]");
  ini.PGravaTexto("CONEXAO", "CAMINHO", "servidor:/dados/loja.fdb");
  EXPECT_EQ(FLeBytes(arquivo),
            "[HORA]\r\nPRIMEIRA=08:00\r\n[CONEXAO]\r\nCAMINHO=servidor:/dados/loja.fdb\r\n");
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "CAMINHO", ""), "servidor:/dados/loja.fdb");
  EXPECT_EQ(ini.fsLeTexto("HORA", "PRIMEIRA", ""), "08:00");
}

// The call runs in a thread of its own, so that a read that blocks fails the test instead of
// hanging it; opening the FIFO for writing afterwards lets such a thread go.
template <typename F>
bool fbTerminaLogo(const std::filesystem::path& fifo, F&& chamada) {
  auto feito = std::async(std::launch::async, std::forward<F>(chamada));
  const bool terminou = feito.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
  if (!terminou) {
    const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  }
  feito.wait();
  return terminou;
}

TEST_F(ArquivoIniTest, AFifoIsNeitherWaitedOnNorWrittenTo) {
  ASSERT_EQ(::mkfifo(arquivo.c_str(), 0600), 0);
  std::string lido;
  EXPECT_TRUE(fbTerminaLogo(arquivo, [&] { lido = ini.fsLeTexto("CONEXAO", "CAMINHO", "padrão"); }));
  EXPECT_EQ(lido, "padrão");
  std::string erro;
  EXPECT_TRUE(fbTerminaLogo(arquivo, [&] {
    try {
      ini.PGravaTexto("CONEXAO", "CAMINHO", "x");
    } catch (const TErroArquivoIni& e) {
      erro = e.what();
    }
  }));
  EXPECT_NE(erro.find("não é um arquivo comum"), std::string::npos) << erro;
  EXPECT_EQ(std::filesystem::status(arquivo).type(), std::filesystem::file_type::fifo);
}

mode_t FModo(const std::filesystem::path& p) {
  struct stat st {};
  ::stat(p.c_str(), &st);
  return st.st_mode & 07777;
}

TEST_F(ArquivoIniTest, ANewFileIsForItsOwnerAloneAndARewriteKeepsTheMode) {
  const mode_t mascara = ::umask(022);
  ini.PGravaTexto("CONEXAO", "SENHA", "masterkey");
  EXPECT_EQ(FModo(arquivo), 0600u);
  ::chmod(arquivo.c_str(), 0640);
  ini.PGravaTexto("CONEXAO", "SENHA", "outra");
  EXPECT_EQ(FModo(arquivo), 0640u);
  ::chmod(arquivo.c_str(), 0400);  // a mode narrower than the writer's own default stays too
  ini.PGravaTexto("CONEXAO", "SENHA", "mais uma");
  EXPECT_EQ(FModo(arquivo), 0400u);
  ::umask(mascara);
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "SENHA", ""), "mais uma");
}

TEST_F(ArquivoIniTest, AFileThatChangesHandsKeepsItsOwnersPermissionsAlone) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to write as another user";
  // Root's file, open to everybody, rewritten by another user: the new file is that user's, and
  // neither its group nor the others may read the passwords through it.
  PGravaBytes(arquivo, "[CONEXAO]\r\nSENHA=velha\r\n");
  ::chmod(arquivo.c_str(), 0666);
  ::chmod(pasta.caminho().c_str(), 0777);
  const uid_t ninguem = 65534;
  const pid_t filho = ::fork();
  ASSERT_GE(filho, 0);
  if (filho == 0) {
    if (::setgid(ninguem) != 0 || ::setuid(ninguem) != 0) ::_exit(2);
    try {
      ini.PGravaTexto("CONEXAO", "SENHA", "nova");
    } catch (...) {
      ::_exit(1);
    }
    ::_exit(0);
  }
  int estado = 0;
  ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
  ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << estado;
  struct stat st {};
  ASSERT_EQ(::stat(arquivo.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, ninguem);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(ini.fsLeTexto("CONEXAO", "SENHA", ""), "nova");

  // Root hands a rewritten file back to its owner with its mode.
  ::chmod(arquivo.c_str(), 0640);
  ini.PGravaTexto("CONEXAO", "SENHA", "outra");
  ASSERT_EQ(::stat(arquivo.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, ninguem);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(ArquivoIniTest, InAFolderThatTakesNoNewFileTheFileIsUpdatedInPlace) {
  const std::string antes = "; loja\r\n[CONEXAO]\r\nCAMINHO=velho.fdb\r\nUSUARIO=SYSDBA\r\n";
  PGravaBytes(arquivo, antes);
  const auto resultado = FComPastaSomenteLeitura(pasta.caminho(), {arquivo}, [&] {
    struct stat antesSt {}, depoisSt {};
    ::stat(arquivo.c_str(), &antesSt);
    // The folder really refuses a new file, even to root.
    const bool recusa = ::open((pasta / "novo").c_str(), O_WRONLY | O_CREAT, 0600) < 0;
    ini.PGravaTexto("CONEXAO", "CAMINHO", "servidor:/dados/loja.fdb");
    ini.PGravaTexto("CONEXAO", "SENHA", "masterkey");
    ini.PGravaTexto("CONEXAO", "USUARIO", "S");  // shorter: the file shrinks
    ::stat(arquivo.c_str(), &depoisSt);
    return recusa && antesSt.st_ino == depoisSt.st_ino;
  });
  if (resultado == TResultadoFilho::SemNamespace) GTEST_SKIP() << "sem namespace de montagem";
  EXPECT_EQ(resultado, TResultadoFilho::Passou);
  EXPECT_EQ(FLeBytes(arquivo),
            "; loja\r\n[CONEXAO]\r\nCAMINHO=servidor:/dados/loja.fdb\r\nUSUARIO=S\r\n"
            "SENHA=masterkey\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.caminho()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(ArquivoIniTest, AnInPlaceUpdateThatFailsLeavesTheFileAsItWas) {
  const std::string antes = "[CONEXAO]\r\nCAMINHO=velho.fdb\r\nUSUARIO=SYSDBA\r\n";
  PGravaBytes(arquivo, antes);
  const auto resultado = FComPastaSomenteLeitura(pasta.caminho(), {arquivo}, [&] {
    // The file may grow by 3 bytes only: the longer content cannot be written.
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limite{antes.size() + 3, antes.size() + 3};
    ::setrlimit(RLIMIT_FSIZE, &limite);
    try {
      ini.PGravaTexto("CONEXAO", "CAMINHO", "servidor:/um/caminho/bem/mais/longo.fdb");
    } catch (const TErroArquivoIni&) {
      return true;
    }
    return false;
  });
  if (resultado == TResultadoFilho::SemNamespace) GTEST_SKIP() << "sem namespace de montagem";
  EXPECT_EQ(resultado, TResultadoFilho::Passou);
  EXPECT_EQ(FLeBytes(arquivo), antes);
}

TEST_F(ArquivoIniTest, AMissingFileInAFolderThatTakesNoNewFileIsAClearError) {
  const auto resultado = FComPastaSomenteLeitura(pasta.caminho(), {}, [&] {
    try {
      ini.PGravaTexto("CONEXAO", "CAMINHO", "x");
    } catch (const TErroArquivoIni& e) {
      return std::string(e.what()).find("não foi possível criar") != std::string::npos;
    }
    return false;
  });
  if (resultado == TResultadoFilho::SemNamespace) GTEST_SKIP() << "sem namespace de montagem";
  EXPECT_EQ(resultado, TResultadoFilho::Passou);
  EXPECT_FALSE(std::filesystem::exists(arquivo));
}

}  // namespace
