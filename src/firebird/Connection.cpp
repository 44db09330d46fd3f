#include "firebird/Connection.h"

#include <ibase.h>

#include <iterator>

#include "firebird/Api.h"
#include "firebird/Error.h"
#include "firebird/LockDirectory.h"
#include "firebird/Statement.h"
#include "platform/ULatin1.h"

namespace fb {

using namespace Firebird;
using detail::Status;

namespace {

// Read committed sees what other transactions committed; waiting on a locked row is bounded so
// that a held lock turns into an error instead of a hang.
constexpr unsigned kLockTimeoutSeconds = 30;
constexpr int kConnectTimeoutSeconds = 15;

// Read committed, latest committed version. A writer waits on a locked row for a bounded time,
// so that a held lock turns into an error instead of a hang; a reader (read only, no waiting)
// takes no lock, and anything that would make it wait is an error at once.
std::vector<unsigned char> readCommittedTpb(bool readOnly = false) {
  Status st;
  IXpbBuilder* b = detail::util()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
  st.check();
  b->insertTag(&st, readOnly ? isc_tpb_read : isc_tpb_write);
  b->insertTag(&st, isc_tpb_read_committed);
  b->insertTag(&st, isc_tpb_rec_version);
  if (readOnly) {
    b->insertTag(&st, isc_tpb_nowait);
  } else {
    b->insertTag(&st, isc_tpb_wait);
    b->insertInt(&st, isc_tpb_lock_timeout, kLockTimeoutSeconds);
  }
  const unsigned char* buf = b->getBuffer(&st);
  std::vector<unsigned char> tpb(buf, buf + b->getBufferLength(&st));
  b->dispose();
  st.check();
  return tpb;
}

// A failed open says what a person can do when the cause is a lock directory out of reach.
void checkOpen(Status& st, const std::string& database) {
  try {
    st.check(database);
  } catch (const Error& e) {
    throw explainOpenError(e, database);
  }
}

}  // namespace

Connection::Connection(ConnectionSettings settings, std::string name)
    : settings_(std::move(settings)), name_(std::move(name)) {}

Connection::~Connection() { close(); }

std::vector<unsigned char> Connection::dpb(bool forCreate, const CreateOptions* options) const {
  Status st;
  IXpbBuilder* b = detail::util()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
  st.check();
  // The client library takes the path, user and password as bytes of the system's code page.
  const std::string user = FUtf8ParaLatin1(settings_.user);
  const std::string password = FUtf8ParaLatin1(settings_.password);
  if (!user.empty()) b->insertString(&st, isc_dpb_user_name, user.c_str());
  if (!password.empty()) b->insertString(&st, isc_dpb_password, password.c_str());
  b->insertInt(&st, isc_dpb_sql_dialect, 1);
  if (settings_.embeddedOnly) b->insertString(&st, isc_dpb_config, "Providers=Engine12");
  // A server that does not answer ends the attempt instead of holding the caller for minutes.
  b->insertInt(&st, isc_dpb_connect_timeout, kConnectTimeoutSeconds);
  if (forCreate && options) {
    b->insertInt(&st, isc_dpb_page_size, options->pageSize);
    b->insertInt(&st, isc_dpb_force_write, options->forcedWrites ? 1 : 0);
  }
  const unsigned char* buf = b->getBuffer(&st);
  std::vector<unsigned char> out(buf, buf + b->getBufferLength(&st));
  b->dispose();
  st.check();
  return out;
}

void Connection::open() {
  close();
  if (settings_.database.empty()) throw Error("database path is empty");
  const auto params = dpb(false, nullptr);
  const std::string path = FUtf8ParaLatin1(settings_.database);
  Status st;
  IAttachment* att = detail::provider()->attachDatabase(
      &st, path.c_str(), static_cast<unsigned>(params.size()), params.data());
  checkOpen(st, settings_.database);
  attachment_ = att;
}

void Connection::create(const CreateOptions& options) {
  close();
  if (settings_.database.empty()) throw Error("database path is empty");
  const auto params = dpb(true, &options);
  const std::string path = FUtf8ParaLatin1(settings_.database);
  Status st;
  IAttachment* att = detail::provider()->createDatabase(
      &st, path.c_str(), static_cast<unsigned>(params.size()), params.data());
  checkOpen(st, settings_.database);
  attachment_ = att;
}

void Connection::close() noexcept {
  while (!dependents_.empty()) {
    detail::Dependent* d = dependents_.back();
    dependents_.pop_back();
    d->connectionClosing();
  }
  if (transaction_) {
    Status st;
    transaction_->rollback(&st);
    if (st.failed()) transaction_->release();
    transaction_ = nullptr;
  }
  if (attachment_) {
    Status st;
    attachment_->detach(&st);
    // A failed detach (server gone) leaves the interface to us.
    if (st.failed()) attachment_->release();
    attachment_ = nullptr;
  }
}

bool Connection::isOpen() const { return attachment_ != nullptr; }

bool Connection::inTransaction() const { return transaction_ != nullptr; }

IAttachment* Connection::attachment() const {
  if (!attachment_) throw Error("connection " + name_ + " (" + settings_.database + ") is not open");
  return attachment_;
}

ITransaction* Connection::transaction() const { return transaction_; }

void Connection::addDependent(detail::Dependent* d) { dependents_.push_back(d); }

void Connection::removeDependent(detail::Dependent* d) noexcept {
  // Mostly the newest one goes: search from the back.
  for (auto it = dependents_.rbegin(); it != dependents_.rend(); ++it) {
    if (*it == d) {
      dependents_.erase(std::next(it).base());
      return;
    }
  }
}

ITransaction* Connection::startOwnTransaction() {
  static const std::vector<unsigned char> tpb = readCommittedTpb();
  Status st;
  ITransaction* tra =
      attachment()->startTransaction(&st, static_cast<unsigned>(tpb.size()), tpb.data());
  st.check(settings_.database);
  return tra;
}

void Connection::startTransaction() {
  if (transaction_) throw Error("a transaction is already active on " + settings_.database);
  transaction_ = startOwnTransaction();
}

void Connection::startReadOnlyTransaction() {
  if (transaction_) throw Error("a transaction is already active on " + settings_.database);
  static const std::vector<unsigned char> tpb = readCommittedTpb(true);
  Status st;
  ITransaction* tra =
      attachment()->startTransaction(&st, static_cast<unsigned>(tpb.size()), tpb.data());
  st.check(settings_.database);
  transaction_ = tra;
}

void Connection::commit() {
  if (!transaction_) throw Error("no active transaction to commit on " + settings_.database);
  Status st;
  transaction_->commit(&st);
  st.check(settings_.database);
  transaction_ = nullptr;
}

void Connection::rollback() {
  if (!transaction_) return;
  Status st;
  transaction_->rollback(&st);
  ITransaction* failed = transaction_;
  transaction_ = nullptr;
  if (st.failed()) {
    // The transaction is gone with its attachment or will be undone by the server; the handle
    // is ours to release.
    failed->release();
    st.check(settings_.database);
  }
}

void Connection::prepare(std::string_view description) {
  if (!transaction_) throw Error("no active transaction to prepare on " + settings_.database);
  const std::string text = FUtf8ParaLatin1(description);
  Status st;
  transaction_->prepare(&st, static_cast<unsigned>(text.size()),
                        reinterpret_cast<const unsigned char*>(text.data()));
  st.check(settings_.database);
}

void Connection::closeLeavingPrepared() noexcept {
  // Releasing the transaction's interface would roll it back; detaching with it still held
  // leaves a prepared transaction in limbo. The interface goes after the attachment.
  ITransaction* prepared = transaction_;
  transaction_ = nullptr;
  close();
  if (prepared) prepared->release();
}

std::vector<std::int64_t> Connection::limboTransactions() {
  const unsigned char items[] = {isc_info_limbo, isc_info_end};
  std::vector<unsigned char> buffer(64 * 1024);
  Status st;
  attachment()->getInfo(&st, sizeof items, items, static_cast<unsigned>(buffer.size()),
                        buffer.data());
  st.check(settings_.database);
  std::vector<std::int64_t> ids;
  std::size_t i = 0;
  while (i < buffer.size() && buffer[i] != isc_info_end) {
    const unsigned char item = buffer[i++];
    if (i + 2 > buffer.size()) break;
    const auto len = static_cast<std::size_t>(
        isc_portable_integer(reinterpret_cast<const ISC_UCHAR*>(&buffer[i]), 2));
    i += 2;
    if (item == isc_info_truncated) throw Error("too many limbo transactions to list");
    if (item == isc_info_limbo && i + len <= buffer.size())
      ids.push_back(static_cast<std::int64_t>(isc_portable_integer(
          reinterpret_cast<const ISC_UCHAR*>(&buffer[i]), static_cast<short>(len))));
    i += len;
  }
  return ids;
}

void Connection::resolveLimbo(std::int64_t id, bool commitIt) {
  unsigned char idBytes[8];
  for (int k = 0; k < 8; ++k) idBytes[k] = static_cast<unsigned char>((id >> (8 * k)) & 0xFF);
  const unsigned len = id > 0xFFFFFFFFLL ? 8 : 4;
  Status st;
  ITransaction* tra = attachment()->reconnectTransaction(&st, len, idBytes);
  st.check(settings_.database);
  if (commitIt)
    tra->commit(&st);
  else
    tra->rollback(&st);
  if (st.failed()) {
    tra->release();
    st.check(settings_.database);
  }
}

void Connection::execute(std::string_view sql) {
  Statement stmt(*this, sql, false);
  stmt.execute();
}

}  // namespace fb
