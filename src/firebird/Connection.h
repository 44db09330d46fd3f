#pragma once
// One Firebird database: its settings (name, path, user, password), the attachment when open and
// at most one transaction at a time (read committed). Statements run in the active transaction,
// or in one of their own that commits when they finish when none is active.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Firebird {
class IAttachment;
class ITransaction;
}  // namespace Firebird

namespace fb {

namespace detail {
// A prepared statement or an open result set of a connection. The client library hangs when a
// cursor is used after its attachment went, so closing the connection first lets each of them
// let go of its handles; they then refuse further work with an error.
class Dependent {
 public:
  virtual void connectionClosing() noexcept = 0;

 protected:
  ~Dependent() = default;
};
}  // namespace detail

struct ConnectionSettings {
  std::string database;  // a local file, host:path, host/port:path, or \\host\path
  std::string user;
  std::string password;
  // Open a local file in-process only, never through a server on this machine.
  bool embeddedOnly = false;
};

struct CreateOptions {
  // Off makes a throw-away database (tests, demos) much faster to fill.
  bool forcedWrites = true;
  int pageSize = 8192;
};

class Connection {
 public:
  explicit Connection(ConnectionSettings settings, std::string name = {});
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  const std::string& name() const { return name_; }
  const ConnectionSettings& settings() const { return settings_; }
  const std::string& database() const { return settings_.database; }

  // Attaches to the database; no login prompt, SQL dialect 1. Throws fb::Error. Opening an open
  // connection closes it first.
  void open();
  // Creates a new SQL dialect 1 database at the path and leaves it open.
  void create(const CreateOptions& options = {});
  // Rolls back an active transaction and detaches. Never throws: a connection that cannot be
  // closed cleanly is released all the same.
  void close() noexcept;
  bool isOpen() const;

  bool inTransaction() const;
  // Starts a read-committed transaction. Throws if one is active or the connection is closed.
  void startTransaction();
  // Starts a read-only read-committed transaction that never waits on a lock: for monitors and
  // reports that must never hold up a writer nor be held up by one. Throws as startTransaction.
  void startReadOnlyTransaction();
  // Commits the active transaction; throws fb::Error when there is none.
  void commit();
  // Rolls back the active transaction; does nothing when there is none.
  void rollback();
  // First phase of a two-phase commit: the transaction stays active until commit() or
  // rollback(); a process that dies in between leaves it in limbo, with this description.
  void prepare(std::string_view description);

  // Detaches while keeping a prepared transaction neither committed nor rolled back: the server
  // leaves it in limbo, exactly as if this process had died, for a later attachment to resolve.
  // For a commit whose outcome is unknown, where rolling back could undo what the other
  // database already committed. Never throws; without a transaction it is close().
  void closeLeavingPrepared() noexcept;

  // Transactions of this database left in limbo by a two-phase commit that never finished.
  std::vector<std::int64_t> limboTransactions();
  // Commits (or rolls back) one limbo transaction.
  void resolveLimbo(std::int64_t id, bool commit);

  // Runs one statement (DDL or DML, no result set) in the active transaction or one of its own.
  void execute(std::string_view sql);

  // For Statement and ResultSet.
  Firebird::IAttachment* attachment() const;
  Firebird::ITransaction* transaction() const;
  // Starts a transaction owned by the caller (a statement run outside any transaction).
  Firebird::ITransaction* startOwnTransaction();
  // Statements and result sets that hold handles of the attachment; close() releases them first,
  // newest first (a result set before its statement).
  void addDependent(detail::Dependent* d);
  void removeDependent(detail::Dependent* d) noexcept;

 private:
  std::vector<unsigned char> dpb(bool forCreate, const CreateOptions* options) const;

  ConnectionSettings settings_;
  std::string name_;
  Firebird::IAttachment* attachment_ = nullptr;
  Firebird::ITransaction* transaction_ = nullptr;
  std::vector<detail::Dependent*> dependents_;
};

// Ends the client library's work before the process exits: what is still attached is detached and
// an in-process engine stops its own threads, which would otherwise go on running while the
// process destroys its static objects. Waits at most `timeoutMs`. Call once, after the last
// connection of the process is closed; never throws.
void shutdownClient(unsigned timeoutMs = 10000) noexcept;

}  // namespace fb
