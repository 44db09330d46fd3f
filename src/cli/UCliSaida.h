#pragma once
// What the tool prints comes partly from outside: paths and values from the configuration file,
// arguments of the command line, the server's error texts. Shown raw, a control character in
// them could move the cursor, recolour or clear the terminal, or retitle its window. Everything
// the tool writes therefore passes through a filter that shows such characters escaped:
// - "\r" as \r, every other C0 control and DEL as \xHH ("\n" and "\t" stay);
// - the C1 controls (U+0080..U+009F) and the characters that reorder or break lines
//   (U+2028, U+2029, U+202A..U+202E, U+2066..U+2069) as \uHHHH;
// - a byte that is not part of well-formed UTF-8 as \xHH.
// A character split between two writes is joined before it is judged.
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

// The text with those characters escaped. With `completo` false, an unfinished UTF-8 sequence
// at the end is left out and its length returned in `pendentes`.
std::string fsTextoSeguro(std::string_view texto, bool completo = true,
                          std::size_t* pendentes = nullptr);

// A stream buffer that writes the escaped text on to another stream's buffer, as soon as it
// gets it (an unfinished character waits for its next byte, or for the end).
class TSaidaEscapada : public std::streambuf {
 public:
  explicit TSaidaEscapada(std::ostream& destino) : destino_(destino.rdbuf()) {}
  ~TSaidaEscapada() override;
  TSaidaEscapada(const TSaidaEscapada&) = delete;
  TSaidaEscapada& operator=(const TSaidaEscapada&) = delete;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  bool fbRepassa(bool completo);
  std::streambuf* destino_;
  std::string pendente_;
};
