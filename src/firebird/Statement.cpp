#include "firebird/Statement.h"

#include <ibase.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <variant>

#include "firebird/Api.h"
#include "firebird/Connection.h"
#include "firebird/Error.h"
#include "firebird/NamedParams.h"
#include "firebird/Values.h"
#include "platform/ULatin1.h"

namespace fb {

using namespace Firebird;
using detail::Status;

namespace {

constexpr unsigned kDialect = 1;
constexpr unsigned kBlobSegment = 32 * 1024;

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = upperAscii(c);
  return out;
}

// `name` equals `upperName` (already upper-cased) without regard to case.
bool sameName(std::string_view upperName, std::string_view name) {
  if (upperName.size() != name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (upperName[i] != upperAscii(name[i])) return false;
  return true;
}

// What a statement's text yields before the server sees it: the Latin-1 bytes to prepare and its
// parameters by name. It depends on the text alone, and replication prepares the same few texts
// row after row, so each thread keeps the texts it parsed lately.
struct ParsedText {
  std::string sql;    // as given (UTF-8)
  std::string bytes;  // Latin-1, every :Name replaced by ?
  struct Param {
    std::string name;  // upper-cased
    std::vector<unsigned> markers;
  };
  std::vector<Param> params;              // distinct names, in order of first appearance
  std::vector<unsigned> paramOfMarker;    // index into params, per marker
};

std::shared_ptr<const ParsedText> parse(std::string_view sql, bool parseParams) {
  constexpr std::size_t kCacheEntries = 256;
  // Keyed by a view of the entry's own text, so looking up costs no copy of it.
  using Cache = std::unordered_map<std::string_view, std::shared_ptr<const ParsedText>>;
  thread_local Cache caches[2];
  Cache& cache = caches[parseParams ? 1 : 0];
  if (const auto it = cache.find(sql); it != cache.end()) return it->second;

  auto text = std::make_shared<ParsedText>();
  text->sql = std::string(sql);
  std::string rewritten;
  if (parseParams) {
    ParsedSql parsed = parseNamedParams(sql);
    rewritten = std::move(parsed.sql);
    for (std::string& name : parsed.names) {
      auto it = std::find_if(text->params.begin(), text->params.end(),
                             [&](const ParsedText::Param& p) { return p.name == name; });
      if (it == text->params.end()) it = text->params.insert(it, {std::move(name), {}});
      it->markers.push_back(static_cast<unsigned>(text->paramOfMarker.size()));
      text->paramOfMarker.push_back(static_cast<unsigned>(it - text->params.begin()));
    }
  }
  text->bytes = FUtf8ParaLatin1(parseParams ? std::string_view(rewritten) : sql);
  if (cache.size() >= kCacheEntries) cache.clear();
  cache.emplace(text->sql, text);
  return text;
}

// One input field as the server described it.
struct InputField {
  unsigned type = 0;  // without the nullable bit
  unsigned length = 0;
  int scale = 0;
  unsigned offset = 0;
  unsigned nullOffset = 0;
};

struct NullValue {};
struct BlobText {
  std::string bytes;
};
struct DateValue {
  TDateTime value;
};
using Value = std::variant<std::monostate, NullValue, std::string, BlobText, DateValue, double,
                           std::int32_t>;

// Releases an interface that has not been closed, freed or committed by a successful call.
template <typename T>
void releaseIfAny(T*& p) {
  if (p) p->release();
  p = nullptr;
}

// Commits (or rolls back) a transaction the statement started for itself.
void finishOwn(ITransaction*& tra, bool commit) noexcept {
  if (!tra) return;
  Status st;
  if (commit)
    tra->commit(&st);
  else
    tra->rollback(&st);
  if (st.failed()) {
    tra->rollback(&st);
    if (st.failed()) tra->release();
  }
  tra = nullptr;
}

}  // namespace

struct StatementState final : detail::Dependent {
  Connection* connection = nullptr;  // null once the connection was closed
  bool registered = false;
  std::shared_ptr<const ParsedText> text;
  const std::string& sql = text->sql;
  std::vector<Value> values;  // per distinct name; per marker when the text was not parsed
  std::size_t nextParam = 0;  // where the next name is looked for first
  IStatement* statement = nullptr;
  IMessageMetadata* inMeta = nullptr;
  std::vector<InputField> inFields;  // inMeta read once
  unsigned inLength = 0;
  std::vector<unsigned char> inBuffer;
  IMessageMetadata* outMeta = nullptr;
  bool hasCursor = false;

  explicit StatementState(std::shared_ptr<const ParsedText> parsed) : text(std::move(parsed)) {}

  ~StatementState() {
    if (registered) connection->removeDependent(this);
    releaseHandles();
  }

  void connectionClosing() noexcept override {
    registered = false;
    releaseHandles();
    connection = nullptr;
  }

  void releaseHandles() noexcept {
    releaseIfAny(outMeta);
    releaseIfAny(inMeta);
    if (statement) {
      Status st;
      statement->free(&st);
      if (st.failed()) statement->release();
      statement = nullptr;
    }
  }

  // The connection, as long as it has not been closed since the statement was prepared.
  Connection& conn() const {
    if (!connection)
      throw Error("the connection of this statement was closed; prepare it again", 0, {}, sql);
    return *connection;
  }

  // The index of the parameter `name`, or params.size(). Values are mostly bound in the order
  // their names appear, so the search starts after the last name found.
  std::size_t findParam(std::string_view name) {
    const auto& params = text->params;
    for (std::size_t k = 0; k < params.size(); ++k) {
      const std::size_t i = (nextParam + k) % params.size();
      if (sameName(params[i].name, name)) {
        nextParam = i + 1;
        return i;
      }
    }
    return params.size();
  }

  Value& slot(std::string_view name) {
    const std::size_t i = findParam(name);
    if (i == text->params.size())
      throw Error("parameter " + upper(name) + " not found in statement", 0, {}, sql);
    return values[i];
  }

  // The value of marker i.
  const Value& valueAt(unsigned i) const {
    return text->paramOfMarker.empty() ? values[i] : values[text->paramOfMarker[i]];
  }

  ITransaction* transactionFor(ITransaction*& own) {
    if (ITransaction* t = conn().transaction()) return t;
    own = conn().startOwnTransaction();
    return own;
  }

  // True when every bound value fits the parameter as the server described it, so the message
  // can use that layout unchanged. A value that does not fit (a longer text, another type) gets
  // a layout of its own and the server converts it or refuses it.
  bool fitsDescribed() const {
    for (unsigned i = 0; i < inFields.size(); ++i) {
      const Value& v = valueAt(i);
      const unsigned type = inFields[i].type;
      if (std::holds_alternative<NullValue>(v)) continue;
      if (const auto* s = std::get_if<std::string>(&v)) {
        if (type != SQL_VARYING || s->size() > inFields[i].length) return false;
      } else if (std::holds_alternative<BlobText>(v)) {
        if (type != SQL_BLOB) return false;
      } else if (std::holds_alternative<DateValue>(v)) {
        if (type != SQL_TIMESTAMP) return false;
      } else if (std::holds_alternative<double>(v)) {
        if (type != SQL_DOUBLE) return false;
      } else if (std::holds_alternative<std::int32_t>(v)) {
        if (type != SQL_LONG || inFields[i].scale != 0) return false;
      }
    }
    return true;
  }

  IMessageMetadata* describeBound() {
    Status st;
    IMetadataBuilder* builder = inMeta->getBuilder(&st);
    st.check(sql);
    struct Guard {
      IMetadataBuilder* b;
      ~Guard() { b->release(); }
    } guard{builder};

    for (unsigned i = 0; i < inFields.size(); ++i) {
      const Value& v = valueAt(i);
      const unsigned described = inFields[i].type;
      const unsigned charset = (described == SQL_TEXT || described == SQL_VARYING ||
                                described == SQL_BLOB)
                                   ? inMeta->getCharSet(&st, i)
                                   : 0;
      if (const auto* s = std::get_if<std::string>(&v)) {
        builder->setType(&st, i, SQL_VARYING + 1);
        builder->setLength(&st, i, static_cast<unsigned>(std::max<std::size_t>(s->size(), 1)));
        builder->setCharSet(&st, i, charset);
      } else if (std::holds_alternative<BlobText>(v)) {
        builder->setType(&st, i, SQL_BLOB + 1);
        builder->setSubType(&st, i, isc_blob_text);
        builder->setLength(&st, i, sizeof(ISC_QUAD));
        builder->setCharSet(&st, i, charset);
      } else if (std::holds_alternative<DateValue>(v)) {
        builder->setType(&st, i, SQL_TIMESTAMP + 1);
        builder->setLength(&st, i, sizeof(ISC_TIMESTAMP));
      } else if (std::holds_alternative<double>(v)) {
        builder->setType(&st, i, SQL_DOUBLE + 1);
        builder->setLength(&st, i, sizeof(double));
        builder->setScale(&st, i, 0);
      } else if (std::holds_alternative<std::int32_t>(v)) {
        builder->setType(&st, i, SQL_LONG + 1);
        builder->setLength(&st, i, sizeof(ISC_LONG));
        builder->setScale(&st, i, 0);
      } else {
        // NULL: keep the described type, only the indicator matters.
        builder->setType(&st, i, described + 1);
      }
      st.check(sql);
    }
    IMessageMetadata* described = builder->getMetadata(&st);
    st.check(sql);
    return described;
  }

  // Builds the input message with the types of the bound values; the server converts each to the
  // parameter's own type and refuses what does not fit (never truncating).
  // Fills inBuffer; `meta` is null for a statement without parameters, else a reference the
  // caller releases.
  void buildInput(ITransaction* tra, IMessageMetadata*& meta) {
    meta = nullptr;
    if (inFields.empty()) return;
    for (unsigned i = 0; i < inFields.size(); ++i) {
      if (std::holds_alternative<std::monostate>(valueAt(i))) {
        const std::string label = !text->paramOfMarker.empty()
                                      ? text->params[text->paramOfMarker[i]].name
                                      : std::to_string(i + 1);
        throw Error("parameter " + label + " was not set", 0, {}, sql);
      }
    }
    // The server's own description carries every value that fits it as it is, with no
    // conversion to compile and its layout read once at prepare time.
    const bool described = fitsDescribed();
    std::vector<InputField> ownLayout;
    unsigned length = inLength;
    if (described) {
      meta = inMeta;
      meta->addRef();
    } else {
      meta = describeBound();
      Status st;
      length = meta->getMessageLength(&st);
      ownLayout.resize(inFields.size());
      for (unsigned i = 0; i < ownLayout.size(); ++i) {
        ownLayout[i].offset = meta->getOffset(&st, i);
        ownLayout[i].nullOffset = meta->getNullOffset(&st, i);
      }
      st.check(sql);
    }
    const std::vector<InputField>& layout = described ? inFields : ownLayout;
    inBuffer.assign(length, 0);
    std::vector<unsigned char>& buffer = inBuffer;
    Status st;

    for (unsigned i = 0; i < layout.size(); ++i) {
      const Value& v = valueAt(i);
      unsigned char* data = buffer.data() + layout[i].offset;
      auto* nullFlag = reinterpret_cast<short*>(buffer.data() + layout[i].nullOffset);
      *nullFlag = 0;
      if (const auto* s = std::get_if<std::string>(&v)) {
        const auto len = static_cast<unsigned short>(s->size());
        std::memcpy(data, &len, sizeof len);
        std::memcpy(data + sizeof len, s->data(), s->size());
      } else if (const auto* b = std::get_if<BlobText>(&v)) {
        ISC_QUAD id{};
        IBlob* blob = conn().attachment()->createBlob(&st, tra, &id, 0, nullptr);
        st.check(sql);
        for (std::size_t off = 0; off < b->bytes.size(); off += kBlobSegment) {
          const auto n = static_cast<unsigned>(std::min<std::size_t>(kBlobSegment,
                                                                     b->bytes.size() - off));
          blob->putSegment(&st, n, b->bytes.data() + off);
          if (st.failed()) {
            blob->release();
            st.check(sql);
          }
        }
        blob->close(&st);
        if (st.failed()) {
          blob->release();
          st.check(sql);
        }
        std::memcpy(data, &id, sizeof id);
      } else if (const auto* d = std::get_if<DateValue>(&v)) {
        const ISC_TIMESTAMP ts = detail::toTimestamp(d->value);
        std::memcpy(data, &ts, sizeof ts);
      } else if (const auto* f = std::get_if<double>(&v)) {
        std::memcpy(data, f, sizeof *f);
      } else if (const auto* n = std::get_if<std::int32_t>(&v)) {
        const ISC_LONG x = *n;
        std::memcpy(data, &x, sizeof x);
      } else {
        *nullFlag = -1;
      }
    }
  }
};

Statement::Statement(Connection& connection, std::string_view sql, bool parseParams)
    : state_(std::make_shared<StatementState>(parse(sql, parseParams))) {
  auto& s = *state_;
  s.connection = &connection;
  const std::string& bytes = s.text->bytes;
  IAttachment* att = connection.attachment();
  ITransaction* own = nullptr;
  ITransaction* tra = s.transactionFor(own);
  Status st;
  s.statement = att->prepare(&st, tra, static_cast<unsigned>(bytes.size()), bytes.c_str(),
                             kDialect, IStatement::PREPARE_PREFETCH_METADATA);
  if (st.failed()) {
    finishOwn(own, false);
    st.check(s.sql);
  }
  connection.addDependent(&s);
  s.registered = true;
  finishOwn(own, true);
  // Whether the statement opens a cursor; asking its full type costs another round of
  // statement information.
  s.hasCursor = (s.statement->getFlags(&st) & IStatement::FLAG_HAS_CURSOR) != 0;
  s.inMeta = s.statement->getInputMetadata(&st);
  st.check(s.sql);
  const unsigned count = s.inMeta->getCount(&st);
  st.check(s.sql);
  if (parseParams && count != s.text->paramOfMarker.size())
    throw Error("statement has " + std::to_string(count) + " parameters but " +
                    std::to_string(s.text->paramOfMarker.size()) + " names",
                0, {}, s.sql);
  s.inFields.resize(count);
  for (unsigned i = 0; i < count; ++i) {
    InputField& f = s.inFields[i];
    f.type = s.inMeta->getType(&st, i) & ~1u;
    // Only what deciding whether a value fits the description needs.
    if (f.type == SQL_VARYING) f.length = s.inMeta->getLength(&st, i);
    if (f.type == SQL_LONG) f.scale = s.inMeta->getScale(&st, i);
    f.offset = s.inMeta->getOffset(&st, i);
    f.nullOffset = s.inMeta->getNullOffset(&st, i);
  }
  s.inLength = count ? s.inMeta->getMessageLength(&st) : 0;
  st.check(s.sql);
  s.values.assign(parseParams ? s.text->params.size() : count, std::monostate{});
}

Statement::~Statement() = default;
Statement::Statement(Statement&&) noexcept = default;
Statement& Statement::operator=(Statement&&) noexcept = default;

void Statement::setString(std::string_view name, std::string_view value) {
  std::string bytes;
  try {
    bytes = FUtf8ParaLatin1(value);
  } catch (const TTextoNaoLatin1& e) {
    throw Error(std::string("parameter ") + upper(name) + ": " + e.what(), 0, {}, state_->sql);
  }
  if (bytes.size() > std::numeric_limits<unsigned short>::max() - 2)
    throw Error("parameter " + upper(name) + " is longer than a string parameter can carry", 0,
                {}, state_->sql);
  state_->slot(name) = std::move(bytes);
}

void Statement::setBlob(std::string_view name, std::string_view value) {
  try {
    state_->slot(name) = BlobText{FUtf8ParaLatin1(value)};
  } catch (const TTextoNaoLatin1& e) {
    throw Error(std::string("parameter ") + upper(name) + ": " + e.what(), 0, {}, state_->sql);
  }
}

void Statement::setDateTime(std::string_view name, TDateTime value) {
  detail::toTimestamp(value);  // range check now rather than at execute
  state_->slot(name) = DateValue{value};
}
void Statement::setDouble(std::string_view name, double value) { state_->slot(name) = value; }
void Statement::setInt(std::string_view name, std::int32_t value) { state_->slot(name) = value; }
void Statement::setNull(std::string_view name) { state_->slot(name) = NullValue{}; }

bool Statement::hasParameter(std::string_view name) const {
  for (const ParsedText::Param& p : state_->text->params)
    if (sameName(p.name, name)) return true;
  return false;
}

std::vector<std::string> Statement::parameterNames() const {
  std::vector<std::string> names;
  for (const ParsedText::Param& p : state_->text->params) names.push_back(p.name);
  return names;
}

const std::string& Statement::sql() const { return state_->sql; }

std::uint64_t Statement::affectedRows() const {
  state_->conn();
  // Asked only when wanted: over a network it costs a round trip.
  Status st;
  const std::uint64_t n = state_->statement->getAffectedRecords(&st);
  st.check(state_->sql);
  return n;
}

void Statement::execute() {
  auto& s = *state_;
  s.conn();
  if (s.hasCursor) {
    executeQuery().close();
    return;
  }
  ITransaction* own = nullptr;
  ITransaction* tra = s.transactionFor(own);
  IMessageMetadata* meta = nullptr;
  try {
    s.buildInput(tra, meta);
    Status st;
    // Output values of a statement run this way (EXECUTE PROCEDURE, RETURNING) are not wanted;
    // not describing them saves a round of statement information per statement.
    s.statement->execute(&st, tra, meta, meta ? s.inBuffer.data() : nullptr, nullptr, nullptr);
    st.check(s.sql);
    releaseIfAny(meta);
    finishOwn(own, true);
  } catch (...) {
    releaseIfAny(meta);
    finishOwn(own, false);
    throw;
  }
}

// ---------------------------------------------------------------------------------------------

struct ResultSet::Impl final : detail::Dependent {
  std::shared_ptr<StatementState> state;
  Connection* connection = nullptr;
  bool registered = false;  // while it holds a cursor or a transaction of its own
  bool orphaned = false;    // the connection was closed under it
  ITransaction* own = nullptr;     // a transaction of the query's own, committed at close
  ITransaction* tra = nullptr;     // the transaction the blobs are read in
  IResultSet* cursor = nullptr;
  std::vector<unsigned char> buffer;
  std::vector<std::string> names;
  std::unordered_map<std::string, unsigned> byName;
  bool onRow = false;

  ~Impl() { close(); }

  void close() noexcept { release(true); }

  void connectionClosing() noexcept override {
    registered = false;
    orphaned = true;
    release(false);
  }

  void release(bool commit) noexcept {
    if (cursor) {
      Status st;
      cursor->close(&st);
      if (st.failed()) cursor->release();
      cursor = nullptr;
    }
    onRow = false;
    finishOwn(own, commit);
    tra = nullptr;
    if (registered) {
      registered = false;
      connection->removeDependent(this);
    }
  }

  void checkConnection() const {
    if (orphaned)
      throw Error("the connection was closed while the query was open", 0, {}, state->sql);
  }

  const unsigned char* field(unsigned i, unsigned& type, bool& isNull) const {
    if (!onRow)
      throw Error("no current row", 0, {}, state->sql);
    if (i >= names.size())
      throw Error("column " + std::to_string(i) + " out of range", 0, {}, state->sql);
    Status st;
    IMessageMetadata* m = state->outMeta;
    type = m->getType(&st, i) & ~1u;
    isNull = *reinterpret_cast<const short*>(buffer.data() + m->getNullOffset(&st, i)) != 0;
    return buffer.data() + m->getOffset(&st, i);
  }

  std::string readBlob(ISC_QUAD id) const {
    checkConnection();
    Status st;
    IBlob* blob = connection->attachment()->openBlob(&st, tra, &id, 0, nullptr);
    st.check(state->sql);
    std::string bytes;
    std::vector<char> chunk(kBlobSegment);
    for (;;) {
      unsigned got = 0;
      const int r = blob->getSegment(&st, static_cast<unsigned>(chunk.size()), chunk.data(), &got);
      if (r == IStatus::RESULT_OK || r == IStatus::RESULT_SEGMENT) {
        bytes.append(chunk.data(), got);
        continue;
      }
      if (r == IStatus::RESULT_NO_DATA) break;
      blob->release();
      st.check(state->sql);
      throw Error("blob read failed", 0, {}, state->sql);
    }
    blob->close(&st);
    if (st.failed()) blob->release();
    return bytes;
  }

  int scale(unsigned i) const {
    Status st;
    return state->outMeta->getScale(&st, i);
  }
  unsigned length(unsigned i) const {
    Status st;
    return state->outMeta->getLength(&st, i);
  }
};

ResultSet Statement::executeQuery() {
  auto& s = *state_;
  auto impl = std::make_unique<ResultSet::Impl>();
  impl->state = state_;
  impl->connection = &s.conn();
  impl->tra = s.transactionFor(impl->own);
  impl->connection->addDependent(impl.get());
  impl->registered = true;
  IMessageMetadata* meta = nullptr;
  try {
    if (!s.outMeta) {
      Status st;
      s.outMeta = s.statement->getOutputMetadata(&st);
      st.check(s.sql);
    }
    s.buildInput(impl->tra, meta);
    Status st;
    impl->cursor = s.statement->openCursor(&st, impl->tra, meta,
                                           meta ? s.inBuffer.data() : nullptr, s.outMeta, 0);
    st.check(s.sql);
    releaseIfAny(meta);
    const unsigned count = s.outMeta->getCount(&st);
    impl->buffer.assign(s.outMeta->getMessageLength(&st), 0);
    for (unsigned i = 0; i < count; ++i) {
      const char* alias = s.outMeta->getAlias(&st, i);
      std::string name = alias && *alias ? alias : s.outMeta->getField(&st, i);
      impl->byName.emplace(upper(name), i);
      impl->names.push_back(std::move(name));
    }
    st.check(s.sql);
  } catch (...) {
    releaseIfAny(meta);
    impl->release(false);
    throw;
  }
  return ResultSet(std::move(impl));
}

ResultSet::ResultSet(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
ResultSet::~ResultSet() = default;
ResultSet::ResultSet(ResultSet&&) noexcept = default;
ResultSet& ResultSet::operator=(ResultSet&&) noexcept = default;

bool ResultSet::next() {
  impl_->checkConnection();
  if (!impl_->cursor) return false;
  Status st;
  const int r = impl_->cursor->fetchNext(&st, impl_->buffer.data());
  if (r == IStatus::RESULT_OK) {
    impl_->onRow = true;
    return true;
  }
  impl_->onRow = false;
  st.check(impl_->state->sql);
  impl_->close();
  return false;
}

void ResultSet::expectOneRow() {
  if (!next()) throw Error("query returned no row, one expected", 0, {}, impl_->state->sql);
  // Keep the first row's values while checking that no second row follows.
  std::vector<unsigned char> first = impl_->buffer;
  Status st;
  const int r = impl_->cursor->fetchNext(&st, impl_->buffer.data());
  st.check(impl_->state->sql);
  impl_->buffer = std::move(first);
  if (r == IStatus::RESULT_OK)
    throw Error("query returned more than one row, one expected", 0, {}, impl_->state->sql);
}

void ResultSet::close() { impl_->close(); }

unsigned ResultSet::columnCount() const { return static_cast<unsigned>(impl_->names.size()); }

std::string ResultSet::columnName(unsigned index) const {
  if (index >= impl_->names.size())
    throw Error("column " + std::to_string(index) + " out of range", 0, {}, impl_->state->sql);
  return impl_->names[index];
}

bool ResultSet::hasColumn(std::string_view name) const {
  return impl_->byName.count(upper(name)) != 0;
}

unsigned ResultSet::index(std::string_view name) const {
  auto it = impl_->byName.find(upper(name));
  if (it == impl_->byName.end())
    throw Error("column " + upper(name) + " not found in result", 0, {}, impl_->state->sql);
  return it->second;
}

bool ResultSet::isNull(std::string_view name) const { return isNull(index(name)); }
std::string ResultSet::getString(std::string_view name) const { return getString(index(name)); }
double ResultSet::getDouble(std::string_view name) const { return getDouble(index(name)); }
std::int32_t ResultSet::getInt(std::string_view name) const { return getInt(index(name)); }
std::int64_t ResultSet::getInt64(std::string_view name) const { return getInt64(index(name)); }
TDateTime ResultSet::getDateTime(std::string_view name) const {
  return getDateTime(index(name));
}

bool ResultSet::isNull(unsigned i) const {
  unsigned type;
  bool null;
  impl_->field(i, type, null);
  return null;
}

namespace {

std::int64_t rawInteger(const unsigned char* p, unsigned type) {
  switch (type) {
    case SQL_SHORT: {
      std::int16_t v;
      std::memcpy(&v, p, sizeof v);
      return v;
    }
    case SQL_LONG: {
      std::int32_t v;
      std::memcpy(&v, p, sizeof v);
      return v;
    }
    default: {
      std::int64_t v;
      std::memcpy(&v, p, sizeof v);
      return v;
    }
  }
}

std::string scaledToText(std::int64_t v, int scale) {
  if (scale >= 0) {
    std::string s = std::to_string(v);
    if (v != 0) s.append(static_cast<std::size_t>(scale), '0');
    return s;
  }
  const bool neg = v < 0;
  std::string digits = std::to_string(v);
  if (neg) digits.erase(0, 1);
  const auto places = static_cast<std::size_t>(-scale);
  if (digits.size() <= places) digits.insert(0, places - digits.size() + 1, '0');
  digits.insert(digits.size() - places, ".");
  return neg ? "-" + digits : digits;
}

std::string doubleToText(double d) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", d);
  return buf;
}

}  // namespace

std::string ResultSet::getString(unsigned i) const {
  unsigned type;
  bool null;
  const unsigned char* p = impl_->field(i, type, null);
  if (null) return {};
  switch (type) {
    case SQL_TEXT:
      return FLatin1ParaUtf8(std::string_view(reinterpret_cast<const char*>(p), impl_->length(i)));
    case SQL_VARYING: {
      unsigned short len;
      std::memcpy(&len, p, sizeof len);
      return FLatin1ParaUtf8(std::string_view(reinterpret_cast<const char*>(p) + 2, len));
    }
    case SQL_BLOB: {
      ISC_QUAD id;
      std::memcpy(&id, p, sizeof id);
      return FLatin1ParaUtf8(impl_->readBlob(id));
    }
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
      return scaledToText(rawInteger(p, type), impl_->scale(i));
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
      return doubleToText(getDouble(i));
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME: {
      const auto parts = FDecodeDataHora(getDateTime(i));
      char buf[40];
      if (type == SQL_TYPE_TIME)
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", parts.hora, parts.minuto, parts.segundo);
      else if (parts.hora || parts.minuto || parts.segundo || parts.milissegundo)
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d", parts.dia, parts.mes,
                      parts.ano, parts.hora, parts.minuto, parts.segundo);
      else
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", parts.dia, parts.mes, parts.ano);
      return buf;
    }
    case SQL_BOOLEAN:
      return *p ? "true" : "false";
    default:
      throw Error("column " + impl_->names[i] + " has a type that cannot be read as text", 0, {},
                  impl_->state->sql);
  }
}

double ResultSet::getDouble(unsigned i) const {
  unsigned type;
  bool null;
  const unsigned char* p = impl_->field(i, type, null);
  if (null) return 0.0;
  switch (type) {
    case SQL_FLOAT: {
      float f;
      std::memcpy(&f, p, sizeof f);
      return f;
    }
    case SQL_DOUBLE:
    case SQL_D_FLOAT: {
      double d;
      std::memcpy(&d, p, sizeof d);
      return d;
    }
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64: {
      // Dividing by the exact power of ten gives the double nearest to the decimal value
      // (26750 with scale -4 is 2.675); multiplying by 0.0001, which no double holds, does not.
      const double raw = static_cast<double>(rawInteger(p, type));
      const int scale = impl_->scale(i);
      return scale < 0 ? raw / std::pow(10.0, -scale) : raw * std::pow(10.0, scale);
    }
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
      return getDateTime(i);
    case SQL_TEXT:
    case SQL_VARYING: {
      std::string text = getString(i);
      while (!text.empty() && text.back() == ' ') text.pop_back();
      char* end = nullptr;
      const double d = std::strtod(text.c_str(), &end);
      if (text.empty() || *end != '\0')
        throw Error("column " + impl_->names[i] + " holds \"" + text + "\", not a number", 0, {},
                    impl_->state->sql);
      return d;
    }
    default:
      throw Error("column " + impl_->names[i] + " cannot be read as a number", 0, {},
                  impl_->state->sql);
  }
}

std::int64_t ResultSet::getInt64(unsigned i) const {
  unsigned type;
  bool null;
  const unsigned char* p = impl_->field(i, type, null);
  if (null) return 0;
  if ((type == SQL_SHORT || type == SQL_LONG || type == SQL_INT64) && impl_->scale(i) == 0)
    return rawInteger(p, type);
  const double d = getDouble(i);
  if (!(d >= -9.2e18 && d <= 9.2e18))
    throw Error("column " + impl_->names[i] + " is out of the integer range", 0, {},
                impl_->state->sql);
  return std::llround(d);
}

std::int32_t ResultSet::getInt(unsigned i) const {
  const std::int64_t v = getInt64(i);
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    throw Error("column " + impl_->names[i] + " is out of the 32-bit integer range", 0, {},
                impl_->state->sql);
  return static_cast<std::int32_t>(v);
}

TDateTime ResultSet::getDateTime(unsigned i) const {
  unsigned type;
  bool null;
  const unsigned char* p = impl_->field(i, type, null);
  if (null) return 0.0;
  switch (type) {
    case SQL_TIMESTAMP: {
      ISC_TIMESTAMP ts;
      std::memcpy(&ts, p, sizeof ts);
      return detail::fromTimestamp(ts.timestamp_date, ts.timestamp_time);
    }
    case SQL_TYPE_DATE: {
      ISC_DATE d;
      std::memcpy(&d, p, sizeof d);
      return detail::fromTimestamp(d, 0);
    }
    case SQL_TYPE_TIME: {
      ISC_TIME t;
      std::memcpy(&t, p, sizeof t);
      return static_cast<double>(t) / 864'000'000.0;
    }
    default:
      throw Error("column " + impl_->names[i] + " is not a date", 0, {}, impl_->state->sql);
  }
}

}  // namespace fb
