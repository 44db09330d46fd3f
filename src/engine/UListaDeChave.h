#pragma once
// Ten key slots, CHAVE0 to CHAVE9 of a queue row: the key values of one changed row, or the names
// of a table's primary-key columns that its capture triggers pass. Slot i of the one corresponds
// to slot i of the other; slots after the key's last column hold the empty string.
#include <array>
#include <cstddef>
#include <string>

namespace fb {
class ResultSet;
}

// A queue row has room for this many key values, so no captured key is longer.
inline constexpr std::size_t kQuantidadeChaves = 10;

struct TListaDeChave {
  std::array<std::string, kQuantidadeChaves> chaves;

  // Slot `i` (0 to 9); std::out_of_range beyond.
  std::string& operator[](std::size_t i) { return chaves.at(i); }
  const std::string& operator[](std::size_t i) const { return chaves.at(i); }

  // Empties all ten slots.
  void PLimpa();
  // How many slots are filled, counted from the first up to the first empty one.
  std::size_t FQuantidade() const;

  bool operator==(const TListaDeChave&) const = default;
};

// The ten key values of the current queue row (fields CHAVE0 to CHAVE9; NULL reads as "").
TListaDeChave FLeListaDeChave(const fb::ResultSet& linha);
