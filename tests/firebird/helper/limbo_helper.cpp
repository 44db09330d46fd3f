// Usage: fb_limbo_helper DATABASE VALUE
// Inserts VALUE into table T, prepares the transaction (first phase of a two-phase commit) and
// exits at once, without committing or detaching: the transaction stays in limbo.
#include <unistd.h>

#include <cstdio>

#include "firebird/Connection.h"
#include "firebird/Statement.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  try {
    fb::ConnectionSettings s{argv[1], "SYSDBA", "masterkey", true};
    fb::Connection c(s);
    c.open();
    c.startTransaction();
    fb::Statement st(c, "INSERT INTO T (V) VALUES (:V)");
    st.setString("V", argv[2]);
    st.execute();
    c.prepare("limbo test");
    std::fflush(nullptr);
    _exit(0);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}
