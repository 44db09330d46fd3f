#pragma once
// The INI file of the Windows kind, behind one small interface so that each platform keeps its own
// implementation: TArquivoIniTexto reads and writes the text file itself (any POSIX system); on
// Windows an implementation over GetPrivateProfileStringA / WritePrivateProfileStringA would sit
// beside it with the same contract.
//
// Contract shared by every implementation:
// - `[SECTION]` lines open a section; a value line holds a key, "=" and the value; section and key
//   names are matched without regard to case; the value is the text after the first "=".
// - Every read opens the file anew, so a value written by anyone is seen by the next read.
// - A missing file, section or key, or a file that cannot be read, gives the default.
// - A write replaces the value of one key or adds the key (and, if needed, its section) and keeps
//   every other line byte for byte; a missing file is created by the first write.
// - Names and values are UTF-8 inside the program and single-byte Latin on disk.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

// A write that could not be done: a name or value the file cannot hold, or an I/O failure. The
// file is then left as it was.
class TErroArquivoIni : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TArquivoIni {
 public:
  virtual ~TArquivoIni() = default;
  virtual std::string fsLeTexto(std::string_view secao, std::string_view chave,
                                std::string_view padrao) const = 0;
  // Throws TErroArquivoIni when the key cannot be written; the file is then unchanged.
  virtual void PGravaTexto(std::string_view secao, std::string_view chave,
                           std::string_view valor) = 0;
};

// The INI file as a text file on a POSIX file system.
// - Lines end with "\n" or "\r\n"; each line keeps the end it was found with, and a line that is
//   added takes the end of the file's first line ("\r\n" in a new file).
// - Lines starting with ";" are comments. Lines before the first section and lines without "="
//   are kept but carry no key. With a section or key present twice, the first one counts, for
//   reading and for writing alike.
// - A write happens under an advisory lock on the file's directory, so writers in other threads
//   and processes never lose each other's keys; the new content goes to a temporary file in the
//   same directory that then replaces the old one, so a crash never leaves a truncated file.
//   Where the folder takes no new file (a shared install) but the file itself may be written, it
//   is updated in place under the same lock; a write that fails there puts the old bytes back.
// - A new file is readable and writable by its owner alone (it holds passwords); a rewritten one
//   keeps its owner and mode, or, where this process cannot give it back to its owner or group,
//   its owner's permissions alone.
// - Only a regular file is read or written: a FIFO, a device or a folder reads as defaults and
//   refuses writes, and nothing ever waits on one.
// - A file larger than kTamanhoMaximo is not read (defaults) and not written.
class TArquivoIniTexto final : public TArquivoIni {
 public:
  static constexpr std::size_t kTamanhoMaximo = 16 * 1024 * 1024;

  explicit TArquivoIniTexto(std::filesystem::path arquivo);

  std::string fsLeTexto(std::string_view secao, std::string_view chave,
                        std::string_view padrao) const override;
  void PGravaTexto(std::string_view secao, std::string_view chave,
                   std::string_view valor) override;

  const std::filesystem::path& FArquivo() const { return arquivo_; }

 private:
  std::filesystem::path arquivo_;
};
