#include "firebird/Api.h"

#include <ibase.h>

#include <vector>

#include "firebird/Connection.h"
#include "firebird/Error.h"
#include "platform/ULatin1.h"

namespace fb::detail {

Firebird::IMaster* master() {
  static Firebird::IMaster* m = Firebird::fb_get_master_interface();
  return m;
}

Firebird::IUtil* util() { return master()->getUtilInterface(); }

Firebird::IProvider* provider() {
  // Released by the client library at process exit.
  static Firebird::IProvider* p = master()->getDispatcher();
  return p;
}

namespace {

// Status objects are taken for every call; a per-thread pool saves allocating one each time.
// Connections may outlive the pool: one held by a process-wide object is closed by its destructor
// at exit, after the main thread's pool is gone. From then on statuses are taken and disposed of
// one by one.
thread_local bool poolGone = false;  // trivially destructible: readable until the thread ends

struct StatusPool {
  std::vector<Firebird::IStatus*> free;
  ~StatusPool() {
    for (auto* s : free) s->dispose();
    poolGone = true;
  }
};
thread_local StatusPool pool;

Firebird::IStatus* acquireStatus() {
  if (poolGone || pool.free.empty()) return master()->getStatus();
  Firebird::IStatus* s = pool.free.back();
  pool.free.pop_back();
  return s;
}

void returnStatus(Firebird::IStatus* s) {
  if (poolGone)
    s->dispose();
  else
    pool.free.push_back(s);
}

}  // namespace

Status::Status() : status_(acquireStatus()), wrapper_(status_) { wrapper_.init(); }

Status::~Status() {
  wrapper_.init();
  returnStatus(status_);
}

bool Status::failed() const {
  return (status_->getState() & Firebird::IStatus::STATE_ERRORS) != 0;
}

void Status::clear() { wrapper_.init(); }

void Status::check(const std::string& context) {
  if (!failed()) return;
  std::vector<char> buffer(4096);
  const unsigned n = util()->formatStatus(buffer.data(), static_cast<unsigned>(buffer.size()),
                                          status_);
  std::string text(buffer.data(), n);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  // The server's messages quote data in the database's bytes.
  text = FLatin1ParaUtf8(text);

  const ISC_STATUS* vector = status_->getErrors();
  long code = 0;
  if (vector && vector[0] == isc_arg_gds) code = static_cast<long>(vector[1]);
  char state[6] = {};
  fb_sqlstate(state, vector);
  wrapper_.init();
  throw Error(text, code, state, context);
}

}  // namespace fb::detail

namespace fb {

void shutdownClient(unsigned timeoutMs) noexcept {
  try {
    detail::Status st;
    detail::provider()->shutdown(&st, timeoutMs, fb_shutrsn_app_stopped);
  } catch (...) {
  }
}

}  // namespace fb
