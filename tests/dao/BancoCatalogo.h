#pragma once
// Test support of the data-access tests: store databases holding every catalogue table (built
// from the catalogue's own data, the way the structure update would), records filled from the
// catalogue, and the messages of the activity log.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "records/UClassRegistro.h"
#include "schema/UCatalogo.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

// Creates in `banco` every domain of the vocabulary that it lacks and every catalogue table, with
// its columns, domains, nullability and primary key, in catalogue order.
void PCriaTabelasCatalogo(TBancoTeste& banco);

// The CREATE TABLE statement of one catalogue entry.
std::string FSqlCriaTabela(const TTabelaCatalogo& tabela);

// The width (n) of a CHAR<n>/VARCHAR<n> column; 0 for any other column.
std::size_t FLarguraColuna(const TColunaCatalogo& coluna);

// Fills every property of the record with a value that fits its column and depends on `semente`
// (different seeds give different keys): text to the column's full width with accented letters,
// blobs of several kilobytes holding every byte value 0x01-0xFF, dates with a time of day,
// doubles with a fraction, integers.
void PPreencheRegistro(TRegistro& registro, int semente);

// Redirects the activity log to a fresh folder for the object's life and reads it back.
class TLogTeste {
 public:
  TLogTeste();
  ~TLogTeste();
  // The messages of the entries written so far, oldest first. A carriage return inside a message
  // reads as "\r" whether or not a later entry re-ended it as "\r\n".
  std::vector<std::string> FMensagens() const;

 private:
  TPastaTemporaria pasta_;
  std::filesystem::path anterior_;
};

// A test over two databases holding the catalogue tables ("origem" and "destino"), shared by the
// whole test program and emptied before each test, with the log redirected for the test.
class TDaoTeste : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static TBancoTeste& origem();
  static TBancoTeste& destino();
  std::vector<std::string> FMensagensLog() const { return log_->FMensagens(); }

 private:
  std::unique_ptr<TLogTeste> log_;
};
