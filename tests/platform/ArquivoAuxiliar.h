#pragma once
// Raw bytes in and out of files, for tests that check what lands on disk.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

inline std::string FLeBytes(const std::filesystem::path& arquivo) {
  std::ifstream in(arquivo, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void PGravaBytes(const std::filesystem::path& arquivo, std::string_view bytes) {
  std::ofstream out(arquivo, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
