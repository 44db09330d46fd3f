#pragma once
// The activity log: one text file per calendar day, LogIntegradorDDMMYYYY.txt, in the log folder.
// Each entry is three lines: "DATA E HORA: dd/mm/yyyy hh:mm:ss", the message unchanged, and a
// line holding one space; every line ends with "\r\n" and the text is single-byte Latin.
//
// Writers in any thread of this process and in other processes never lose or interleave an
// entry: they take a process-wide mutex and an advisory lock on the day's file around each entry.
// An entry appends to the file. Before that, a file whose lines do not all end with "\r\n" (a
// message holding a lone "\r" or "\n" leaves one) has its lines re-ended with "\r\n": this gives
// the day's file the content it would have if every entry rewrote the whole file as a list of
// lines. Since every entry re-ends the lines before it, only what the last entry left is looked at
// and rewritten, in place: the cost of an entry does not grow with the day's file, and a failed
// rewrite puts the old bytes back.
//
// Writing never raises and never holds the caller for long: a failing step is tried again a few
// times, a lock held elsewhere is waited for a few seconds, and then the entry is dropped.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/UDataHora.h"

inline constexpr std::string_view kPastaLog = "LogIntg";

class TLogAtividade {
 public:
  using TRelogio = std::function<TDateTime()>;

  // `relogio` gives the date and time of each entry when it is written (tests inject one).
  explicit TLogAtividade(std::filesystem::path pasta, TRelogio relogio = FAgora);

  // Writes one entry; the message is UTF-8 (characters outside Latin-1 are written as "?").
  // Returns whether the entry reached the file; never throws.
  bool fbGrava(std::string_view mensagem) noexcept;

  const std::filesystem::path& FPasta() const { return pasta_; }

  // LogIntegrador followed by ddmmyyyy and ".txt".
  static std::string FNomeArquivo(TDateTime momento);
  // The bytes of one entry as it lands in the file.
  static std::string FEntrada(TDateTime momento, std::string_view mensagem);

 private:
  std::filesystem::path pasta_;
  TRelogio relogio_;
};
