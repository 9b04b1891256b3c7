#include "gamedata/game_layout.h"

#include <string>

#include "gamedata/checked_int.h"
#include "gamedata/error.h"

namespace pricewright {

std::int32_t fieldPosition(const GameLayout& layout, Table table, Field field, ListIndex index) {
  const TableShape& shape = shapeOf(table);
  const auto overflow = [&] {
    return RuntimeError(ErrorNumber::Overflow, "The position of " + std::string(field.name) + " in " +
                                                   std::string(shape.name) + " record " +
                                                   std::to_string(index) + " is out of range.");
  };
  const auto recordOffset = checkedMul<std::int16_t>(index, shape.recordSize);
  if (!recordOffset) throw overflow();
  const auto position =
      checkedAdd<std::int32_t>(layout.table(table).firstRecord + 1 + field.offset, *recordOffset);
  if (!position) throw overflow();
  return *position;
}

std::int32_t namePosition(const GameLayout& layout, std::int32_t nameAddress) {
  const auto position = checkedSub<std::int32_t>(nameAddress, layout.loadAddressOfFirstByte - 1);
  if (!position)
    throw RuntimeError(ErrorNumber::Overflow, "The name address " + std::to_string(nameAddress) +
                                                  " lies outside any file position.");
  return *position;
}

}  // namespace pricewright
