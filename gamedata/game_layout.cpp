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
  const std::optional<std::int64_t> offset = layout.addresses.offsetOf(nameAddress);
  if (!offset)
    throw RuntimeError(ErrorNumber::BadRecordNumber, "The name address " + std::to_string(nameAddress) +
                                                         " lies in no section of the file.");
  const auto position = narrowTo<std::int32_t>(*offset + 1);
  if (!position)
    throw RuntimeError(ErrorNumber::Overflow, "The name address " + std::to_string(nameAddress) +
                                                  " lies outside any file position.");
  return *position;
}

}  // namespace pricewright
