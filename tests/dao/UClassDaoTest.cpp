// The data-access pattern, told on TSangriaDao and the classes whose keys hold dates and integers:
// statement texts, read, insert, update and delete against real databases, the logged failure
// messages, NULL columns and input the database must refuse.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "BancoCatalogo.h"
#include "dao/UClassDemaisdocumentosecfDao.h"
#include "dao/UClassEcfgeralDao.h"
#include "dao/UClassEnccartaoDao.h"
#include "dao/UClassEncerraDao.h"
#include "dao/UClassProdutoDao.h"
#include "dao/UClassSangriaDao.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"
#include "platform/UDataHora.h"
#include "platform/ULatin1.h"

namespace {

std::string FSemEspacosRepetidos(const std::string& texto) {
  return std::regex_replace(texto, std::regex("\\s+"), " ");
}

// The error text the database gives for running `sql` with the record's values bound, as the
// data-access object would: what a logged message must end with.
std::string FMotivo(fb::Connection& conexao, const TDao& dao, const std::string& sql,
                    const TRegistro& registro) {
  fb::Statement comando(conexao, sql);
  const TTabelaCatalogo& tabela = dao.FRetornaTabela();
  for (std::size_t i = 0; i < tabela.colunas.size(); ++i) {
    const TColunaCatalogo& c = tabela.colunas[i];
    const TValorCampo& v = registro.FValor(i);
    if (c.tipo == TTipoValor::Texto)
      c.blob ? comando.setBlob(c.propriedade, std::get<std::string>(v))
             : comando.setString(c.propriedade, std::get<std::string>(v));
    else if (c.tipo == TTipoValor::Inteiro)
      comando.setInt(c.propriedade, std::get<std::int32_t>(v));
    else if (c.tipo == TTipoValor::DataHora)
      comando.setDateTime(c.propriedade, std::get<double>(v));
    else
      comando.setDouble(c.propriedade, std::get<double>(v));
  }
  try {
    comando.execute();
  } catch (const fb::Error& erro) {
    return erro.what();
  }
  ADD_FAILURE() << "the statement was expected to fail";
  return {};
}

TRegistroSangria FSangria(const std::string& codigo, const std::string& usuario,
                          const std::string& maquina) {
  TRegistroSangria r;
  r.SetTexto("Codsangria", codigo);
  r.SetTexto("Usuario", usuario);
  r.SetTexto("Maquina", maquina);
  r.SetDataHora("Datasangria", FEncodeDataHora(2026, 12, 8, 14, 5, 9));
  r.SetTexto("Horasangria", "14:05");
  r.SetFlutuante("Valor", 150.75);
  r.SetDc("D");
  r.SetTexto("Motivo", "Retirada para depósito");
  r.SetInteiro("Coo", 4711);
  return r;
}

using TSangriaTeste = TDaoTeste;

TEST_F(TSangriaTeste, StatementTextsAreTheSystemsOwn) {
  const TSangriaDao dao(origem().conexao());
  EXPECT_EQ(FSemEspacosRepetidos(dao.FRetornaSqlRegistroSangria()),
            "Select Sangria.Codsangria, Sangria.Usuario, Sangria.Datasangria, Sangria.Horasangria, "
            "Sangria.Valor, Sangria.Dc, Sangria.Qliberou, Sangria.Motivo, Sangria.Codempresa, "
            "Sangria.Aberturacaixa, Sangria.Codoper, Sangria.Coo, Sangria.Gnf, Sangria.Maquina, "
            "Sangria.Espelhosangria, Sangria.Id_rotina_origem, Sangria.Tipo_valor, "
            "Sangria.Codturno From Sangria Where 1=1 And CODSANGRIA = :CODSANGRIA And USUARIO = "
            ":USUARIO And MAQUINA = :MAQUINA");
  EXPECT_EQ(FSemEspacosRepetidos(dao.FRetornaSqlInserTRegistroSangria()),
            "INSERT INTO Sangria ( Sangria.Codsangria, Sangria.Usuario, Sangria.Datasangria, "
            "Sangria.Horasangria, Sangria.Valor, Sangria.Dc, Sangria.Qliberou, Sangria.Motivo, "
            "Sangria.Codempresa, Sangria.Aberturacaixa, Sangria.Codoper, Sangria.Coo, "
            "Sangria.Gnf, Sangria.Maquina, Sangria.Espelhosangria, Sangria.Id_rotina_origem, "
            "Sangria.Tipo_valor, Sangria.Codturno ) VALUES ( :Codsangria, :Usuario, "
            ":Datasangria, :Horasangria, :Valor, :Dc, :Qliberou, :Motivo, :Codempresa, "
            ":Aberturacaixa, :Codoper, :Coo, :Gnf, :Maquina, :Espelhosangria, "
            ":Id_rotina_origem, :Tipo_valor, :Codturno )");
  EXPECT_EQ(FSemEspacosRepetidos(dao.FRetornaSqlUpdateRegistroSangria()),
            "UPDATE Sangria SET Sangria.Datasangria = :Datasangria, Sangria.Horasangria = "
            ":Horasangria, Sangria.Valor = :Valor, Sangria.Dc = :Dc, Sangria.Qliberou = "
            ":Qliberou, Sangria.Motivo = :Motivo, Sangria.Codempresa = :Codempresa, "
            "Sangria.Aberturacaixa = :Aberturacaixa, Sangria.Codoper = :Codoper, Sangria.Coo = "
            ":Coo, Sangria.Gnf = :Gnf, Sangria.Espelhosangria = :Espelhosangria, "
            "Sangria.Id_rotina_origem = :Id_rotina_origem, Sangria.Tipo_valor = :Tipo_valor, "
            "Sangria.Codturno = :Codturno Where 1=1 And CODSANGRIA = :CODSANGRIA And USUARIO = "
            ":USUARIO And MAQUINA = :MAQUINA");
  EXPECT_EQ(FSemEspacosRepetidos(dao.FRetornaSqlDeletaRegistroSangria()),
            "Delete From Sangria Where 1=1 And CODSANGRIA = :CODSANGRIA And USUARIO = :USUARIO "
            "And MAQUINA = :MAQUINA");
}

TEST_F(TSangriaTeste, MissingKeyReadsNoneAndUpdateOrDeleteChangeNothing) {
  const TSangriaDao dao(origem().conexao());
  ASSERT_TRUE(dao.FInsereRegistro(FSangria("00001", "ADM", "001")));

  EXPECT_EQ(dao.FRetornaRegistro("00002", "ADM", "001"), nullptr);
  TRegistroSangria outra = FSangria("00002", "ADM", "001");
  outra.SetFlutuante("Valor", 1.0);
  EXPECT_TRUE(dao.FUpdateRegistro(outra));
  EXPECT_TRUE(dao.FDeletaRegistro("00002", "ADM", "001"));

  EXPECT_EQ(origem().contagem("SELECT COUNT(*) FROM SANGRIA"), 1);
  EXPECT_EQ(origem().valor("SELECT VALOR FROM SANGRIA"), "150.75");
  EXPECT_TRUE(FMensagensLog().empty());
}

TEST_F(TSangriaTeste, ReadInsertUpdateDeleteByKey) {
  const TSangriaDao dao(origem().conexao());
  const TRegistroSangria sangria = FSangria("00001", "ADM", "001");
  ASSERT_TRUE(dao.FInsereRegistro(sangria));
  ASSERT_TRUE(dao.FInsereRegistro(FSangria("00001", "ADM", "002")));

  // USUARIO is CHAR(10): the key finds the row without its blanks, the record holds them.
  std::unique_ptr<TRegistroSangria> lida = dao.FRetornaRegistro("00001", "ADM", "001");
  ASSERT_NE(lida, nullptr);
  EXPECT_EQ(lida->GetTexto("Usuario"), "ADM       ");
  EXPECT_EQ(lida->GetDataHora("Datasangria"), sangria.GetDataHora("Datasangria"));
  EXPECT_EQ(lida->GetTexto("Motivo"), "Retirada para depósito");
  EXPECT_EQ(lida->GetDC(), "D");
  EXPECT_EQ(lida->GetInteiro("Coo"), 4711);

  lida->SetFlutuante("Valor", 99.5);
  lida->SetTexto("Motivo", "Troco");
  ASSERT_TRUE(dao.FUpdateRegistro(*lida));
  EXPECT_EQ(origem().valor("SELECT MOTIVO FROM SANGRIA WHERE MAQUINA = '001'"), "Troco");
  EXPECT_EQ(origem().valor("SELECT MOTIVO FROM SANGRIA WHERE MAQUINA = '002'"),
            "Retirada para depósito");

  ASSERT_TRUE(dao.FDeletaRegistro(TListaValoresChave{std::string("00001"), std::string("ADM"),
                                                      std::string("001")}));
  EXPECT_EQ(origem().contagem("SELECT COUNT(*) FROM SANGRIA"), 1);
  EXPECT_EQ(origem().valor("SELECT MAQUINA FROM SANGRIA"), "002");
  EXPECT_TRUE(FMensagensLog().empty());
}

TEST_F(TSangriaTeste, WritesRunInTheCallersTransaction) {
  fb::Connection& conexao = origem().conexao();
  const TSangriaDao dao(conexao);
  conexao.startTransaction();
  ASSERT_TRUE(dao.FInsereRegistro(FSangria("00001", "ADM", "001")));
  EXPECT_TRUE(conexao.inTransaction());
  EXPECT_NE(dao.FRetornaRegistro("00001", "ADM", "001"), nullptr);
  conexao.rollback();
  EXPECT_EQ(dao.FRetornaRegistro("00001", "ADM", "001"), nullptr);
}

TEST_F(TSangriaTeste, DuplicateInsertLogsTheKeysWithPaddedLabelsAndTheDatabasesReason) {
  const TSangriaDao dao(destino().conexao());
  const TRegistroSangria sangria = FSangria("00001", "ADM", "001");
  ASSERT_TRUE(dao.FInsereRegistro(sangria));
  EXPECT_TRUE(FMensagensLog().empty());

  EXPECT_FALSE(dao.FInsereRegistro(sangria));
  const std::string motivo =
      FMotivo(destino().conexao(), dao, dao.FRetornaSqlInserTRegistroSangria(), sangria);
  EXPECT_NE(motivo.find("PK_SANGRIA"), std::string::npos) << motivo;
  const auto mensagens = FMensagensLog();
  ASSERT_EQ(mensagens.size(), 1u);
  EXPECT_EQ(mensagens[0],
            "Ocorreu um erro ao tentar inserir os dados da TSangriaDao.\r"
            "Codsangria:  00001\rUsuario:     ADM\rMaquina:     001\rMotivo: " +
                motivo);
  EXPECT_EQ(destino().contagem("SELECT COUNT(*) FROM SANGRIA"), 1);
}

TEST_F(TSangriaTeste, TextTooLongForItsColumnIsRefusedAndLoggedNeverTruncated) {
  const TSangriaDao dao(destino().conexao());
  TRegistroSangria sangria = FSangria("00001", "ADM", "001");
  sangria.SetTexto("Motivo", std::string(251, 'x'));  // VARCHAR(250)
  EXPECT_FALSE(dao.FInsereRegistro(sangria));
  EXPECT_EQ(destino().contagem("SELECT COUNT(*) FROM SANGRIA"), 0);

  sangria.SetTexto("Motivo", "cabe");
  ASSERT_TRUE(dao.FInsereRegistro(sangria));
  sangria.SetDc("DC");  // VARCHAR(1)
  EXPECT_FALSE(dao.FUpdateRegistro(sangria));
  EXPECT_EQ(destino().valor("SELECT DC FROM SANGRIA"), "D");

  // A key longer than its column matches no row: the delete is refused, the read fails to its
  // caller.
  EXPECT_FALSE(dao.FDeletaRegistro("00001", "ADM", "00001"));
  EXPECT_THROW(dao.FRetornaRegistro("00001", "ADM", "00001"), fb::Error);
  EXPECT_EQ(destino().contagem("SELECT COUNT(*) FROM SANGRIA"), 1);

  const auto mensagens = FMensagensLog();
  ASSERT_EQ(mensagens.size(), 3u);
  EXPECT_TRUE(mensagens[0].starts_with(
      "Ocorreu um erro ao tentar inserir os dados da TSangriaDao.\rCodsangria:  00001\r"
      "Usuario:     ADM\rMaquina:     001\rMotivo: "))
      << mensagens[0];
  EXPECT_TRUE(mensagens[1].starts_with(
      "Ocorreu um erro ao tentar atualizar os dados da TSangriaDao.\rCodsangria:  00001\r"
      "Usuario:     ADM\rMaquina:     001\rMotivo: "))
      << mensagens[1];
  EXPECT_TRUE(mensagens[2].starts_with(
      "Ocorreu um erro ao tentar excluir os dados da TSangriaDao.\rCodsangria:  00001\r"
      "Usuario:     ADM\rMaquina:     00001\rMotivo: "))
      << mensagens[2];
  for (const auto& m : mensagens) EXPECT_NE(m.find("truncation"), std::string::npos) << m;
}

TEST_F(TSangriaTeste, TextThatIsNotLatinIsRefusedAndLogged) {
  const TSangriaDao dao(destino().conexao());
  TRegistroSangria sangria = FSangria("00001", "ADM", "001");
  sangria.SetTexto("Motivo", "preço em €");
  EXPECT_FALSE(dao.FInsereRegistro(sangria));
  EXPECT_EQ(destino().contagem("SELECT COUNT(*) FROM SANGRIA"), 0);
  const auto mensagens = FMensagensLog();
  ASSERT_EQ(mensagens.size(), 1u);
  EXPECT_TRUE(mensagens[0].starts_with(
      "Ocorreu um erro ao tentar inserir os dados da TSangriaDao.\rCodsangria:  00001\r"));
}

TEST_F(TSangriaTeste, KeysOfTheWrongCountOrTypeAndRecordsOfAnotherTableAreCallerErrors) {
  const TSangriaDao dao(origem().conexao());
  EXPECT_THROW(dao.FRetornaRegistro(TListaValoresChave{std::string("1"), std::string("ADM")}),
               std::invalid_argument);
  EXPECT_THROW(dao.FDeletaRegistro(TListaValoresChave{std::string("1"), std::string("ADM"),
                                                       std::int32_t{1}}),
               std::invalid_argument);
  EXPECT_THROW(dao.FInsereRegistro(TRegistroProduto()), std::invalid_argument);
  EXPECT_TRUE(FMensagensLog().empty());
}

using TChavesTipadasTeste = TDaoTeste;

TEST_F(TChavesTipadasTeste, DateKeysKeepTheirTimeAndMessagesShowTheShortDate) {
  const TEcfgeralDao dao(destino().conexao());
  TRegistroEcfgeral ecf;
  const TDateTime quando = FEncodeDataHora(2026, 3, 7, 18, 30, 15);
  ecf.SetTexto("Pdv", "001");
  ecf.SetDataHora("Dtultred", quando);
  ecf.SetTexto("Codempresa", "01");
  ASSERT_TRUE(dao.FInsereRegistro(ecf));
  EXPECT_EQ(destino().valor("SELECT CAST(DTULTRED AS VARCHAR(30)) FROM ECFGERAL"),
            "07-MAR-2026 18:30:15.0000");

  // Keys in table column order: Pdv, Dtultred, Codempresa.
  std::unique_ptr<TRegistroEcfgeral> lido = dao.FRetornaRegistro("001", quando, "01");
  ASSERT_NE(lido, nullptr);
  EXPECT_EQ(lido->GetDataHora("Dtultred"), quando);

  EXPECT_FALSE(dao.FInsereRegistro(ecf));
  const auto mensagens = FMensagensLog();
  ASSERT_EQ(mensagens.size(), 1u);
  EXPECT_TRUE(mensagens[0].starts_with(
      "Ocorreu um erro ao tentar inserir os dados da TEcfgeralDao.\r"
      "Pdv:         001\rDtultred:    07/03/2026\rCodempresa:  01\rMotivo: "))
      << mensagens[0];

  ASSERT_TRUE(dao.FDeletaRegistro("001", quando, "01"));
  EXPECT_EQ(destino().contagem("SELECT COUNT(*) FROM ECFGERAL"), 0);
}

TEST_F(TChavesTipadasTeste, KeyLinesFollowTableColumnOrderNotPrimaryKeyOrder) {
  const TEncerraDao dao(destino().conexao());
  TRegistroEncerra encerra;
  encerra.SetTexto("Pdv", "002");
  encerra.SetTexto("Cupom", "123456");
  encerra.SetTexto("Codempresa", "01");
  ASSERT_TRUE(dao.FInsereRegistro(encerra));
  EXPECT_FALSE(dao.FInsereRegistro(encerra));
  const auto mensagens = FMensagensLog();
  ASSERT_EQ(mensagens.size(), 1u);
  EXPECT_TRUE(mensagens[0].starts_with(
      "Ocorreu um erro ao tentar inserir os dados da TEncerraDao.\r"
      "Pdv:         002\rCupom:       123456\rCodempresa:  01\rMotivo: "))
      << mensagens[0];
  EXPECT_NE(mensagens[0].find("PK_ENCERRA"), std::string::npos);
}

TEST_F(TChavesTipadasTeste, IntegerKeysAreWrittenInDecimal) {
  const TDemaisdocumentosecfDao dao(destino().conexao());
  TRegistroDemaisdocumentosecf doc;
  doc.SetTexto("Codempresa", "01");
  doc.SetTexto("Maquina", "003");
  doc.SetTexto("Numserie", "BE0123");
  doc.SetDataHora("Datamovimento", FEncodeDataHora(2026, 12, 31));
  doc.SetInteiro("Coo", -4096);
  ASSERT_TRUE(dao.FInsereRegistro(doc));
  EXPECT_NE(dao.FRetornaRegistro("01", "003", "BE0123", FEncodeDataHora(2026, 12, 31), -4096),
            nullptr);
  EXPECT_FALSE(dao.FInsereRegistro(doc));
  // A wider integer that does not fit the key is refused, never wrapped onto another row's key.
  EXPECT_THROW(dao.FDeletaRegistro("01", "003", "BE0123", FEncodeDataHora(2026, 12, 31),
                                   std::int64_t{-4096} - (std::int64_t{1} << 32)),
               std::out_of_range);
  EXPECT_EQ(destino().contagem("SELECT COUNT(*) FROM DEMAISDOCUMENTOSECF"), 1);
  const auto mensagens = FMensagensLog();
  ASSERT_EQ(mensagens.size(), 1u);
  EXPECT_TRUE(mensagens[0].starts_with(
      "Ocorreu um erro ao tentar inserir os dados da TDemaisdocumentosecfDao.\r"
      "Codempresa:     01\rMaquina:        003\rNumserie:       BE0123\r"
      "Datamovimento:  31/12/2026\rCoo:            -4096\rMotivo: "))
      << mensagens[0];
}

TEST_F(TChavesTipadasTeste, EveryByteValueAndBlobsOfSeveralMegabytesTravelWhole) {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<char>(b));
  const std::string latin = FLatin1ParaUtf8(bytes);
  std::string dados;
  while (dados.size() < 6 * 1024 * 1024) dados += latin;

  TRegistroEnccartao cartao;
  cartao.SetTexto("Codempresa", "01");
  cartao.SetTexto("Pdv", "0001");
  cartao.SetTexto("Cupom", "000042");
  cartao.SetTexto("Identificacao", "ABC");
  cartao.SetTexto("Dados", dados);
  cartao.SetTexto("Nomerede", FLatin1ParaUtf8(bytes.substr(200, 30)));  // VARCHAR(30)
  ASSERT_TRUE(TEnccartaoDao(origem().conexao()).FInsereRegistro(cartao));

  auto lido = TEnccartaoDao(origem().conexao()).FRetornaRegistro("01", "0001", "000042", "ABC");
  ASSERT_NE(lido, nullptr);
  ASSERT_TRUE(TEnccartaoDao(destino().conexao()).FInsereRegistro(*lido));
  EXPECT_EQ(destino().valor("SELECT OCTET_LENGTH(DADOS) FROM ENCCARTAO"),
            std::to_string(FUtf8ParaLatin1(dados).size()));
  auto copiado = TEnccartaoDao(destino().conexao()).FRetornaRegistro("01", "0001", "000042", "ABC");
  ASSERT_NE(copiado, nullptr);
  EXPECT_TRUE(copiado->GetTexto("Dados") == dados);
  EXPECT_EQ(copiado->GetTexto("Nomerede"), FLatin1ParaUtf8(bytes.substr(200, 30)));
  EXPECT_EQ(copiado->GetTexto("Identificacao"), "ABC         ");

  // Every byte value in string columns too: 0x01-0xFA fill a VARCHAR(250), the rest another.
  TRegistroSangria sangria = FSangria("00001", "ADM", "001");
  sangria.SetTexto("Motivo", FLatin1ParaUtf8(bytes.substr(0, 250)));
  sangria.SetTexto("Espelhosangria", FLatin1ParaUtf8(bytes.substr(250)));
  ASSERT_TRUE(TSangriaDao(origem().conexao()).FInsereRegistro(sangria));
  auto sangriaLida = TSangriaDao(origem().conexao()).FRetornaRegistro("00001", "ADM", "001");
  ASSERT_NE(sangriaLida, nullptr);
  ASSERT_TRUE(TSangriaDao(destino().conexao()).FInsereRegistro(*sangriaLida));
  EXPECT_EQ(destino().valor("SELECT OCTET_LENGTH(MOTIVO) FROM SANGRIA"), "250");
  auto sangriaCopiada = TSangriaDao(destino().conexao()).FRetornaRegistro("00001", "ADM", "001");
  ASSERT_NE(sangriaCopiada, nullptr);
  EXPECT_EQ(sangriaCopiada->GetTexto("Motivo") + sangriaCopiada->GetTexto("Espelhosangria"),
            latin);
  EXPECT_TRUE(FMensagensLog().empty());
}

}  // namespace
