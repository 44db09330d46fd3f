#pragma once
// A prepared statement with named parameters and its result set. Prepared and run in SQL
// dialect 1. A statement runs in its connection's active transaction; when none is active it
// runs in one of its own that commits once it is done (for a query: when the result set closes).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/UDataHora.h"

namespace fb {

class Connection;
class ResultSet;
struct StatementState;

class Statement {
 public:
  // Prepares `sql`. With parseParams, every :Name becomes a parameter (see NamedParams.h); without,
  // the text reaches the server unchanged (a procedure body that refers to :VARIABLES).
  Statement(Connection& connection, std::string_view sql, bool parseParams = true);
  ~Statement();
  Statement(Statement&&) noexcept;
  Statement& operator=(Statement&&) noexcept;

  // Binding by name, matched without regard to case; every position of the name gets the value.
  // An unknown name throws fb::Error naming it. Text is UTF-8 and travels as Latin-1 bytes.
  void setString(std::string_view name, std::string_view value);
  void setBlob(std::string_view name, std::string_view value);  // a text blob, any length
  void setDateTime(std::string_view name, TDateTime value);
  void setDouble(std::string_view name, double value);
  void setInt(std::string_view name, std::int32_t value);
  void setNull(std::string_view name);

  bool hasParameter(std::string_view name) const;
  // The upper-cased names, one per distinct parameter, in order of first appearance.
  std::vector<std::string> parameterNames() const;

  // Runs a statement that returns no rows (a query's rows are discarded). Throws fb::Error.
  void execute();
  // Runs a query.
  ResultSet executeQuery();
  // Rows inserted, updated or deleted by the last execute().
  std::uint64_t affectedRows() const;

  const std::string& sql() const;

 private:
  std::shared_ptr<StatementState> state_;
};

class ResultSet {
 public:
  ~ResultSet();
  ResultSet(ResultSet&&) noexcept;
  ResultSet& operator=(ResultSet&&) noexcept;

  // Moves to the next row; false after the last one (the cursor is then closed).
  bool next();
  // Throws fb::Error unless there is exactly one row (and positions on it).
  void expectOneRow();

  unsigned columnCount() const;
  std::string columnName(unsigned index) const;  // the alias, as the server reports it
  bool hasColumn(std::string_view name) const;

  // Fields by name, matched without regard to case; an unknown name throws fb::Error naming it and
  // the SQL. A NULL field reads as "", 0 or 0.0 (30 December 1899); isNull tells it apart.
  bool isNull(std::string_view name) const;
  std::string getString(std::string_view name) const;  // blobs are read whole
  double getDouble(std::string_view name) const;
  std::int32_t getInt(std::string_view name) const;
  std::int64_t getInt64(std::string_view name) const;
  TDateTime getDateTime(std::string_view name) const;

  bool isNull(unsigned index) const;
  std::string getString(unsigned index) const;
  double getDouble(unsigned index) const;
  std::int32_t getInt(unsigned index) const;
  std::int64_t getInt64(unsigned index) const;
  TDateTime getDateTime(unsigned index) const;

  void close();

 private:
  friend class Statement;
  struct Impl;
  explicit ResultSet(std::unique_ptr<Impl> impl);
  unsigned index(std::string_view name) const;
  std::unique_ptr<Impl> impl_;
};

}  // namespace fb
