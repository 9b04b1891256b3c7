#include "pricing/record_reads.h"

#include <string>

#include "gamedata/error.h"

namespace pricewright {

namespace {
// `describe` runs only on failure, so a successful read builds no text.
template <typename Read, typename Describe> std::int32_t readNaming(Read read, Describe describe) {
  try {
    return read();
  } catch (const RuntimeError& error) {
    throw RuntimeError(error.number(), "Reading " + describe() + ": " + error.whatFailed());
  }
}
}  // namespace

std::int32_t readField(const GameExecutable& executable, const TableLayout& table, const FieldLayout& field,
                       ListIndex index) {
  const std::int32_t position = fieldPosition(table, field, index);
  return readNaming([&] { return executable.readValue(position); },
                    [&] {
                      return std::string(field.name) + " of " + std::string(table.name) + " record " +
                             std::to_string(index);
                    });
}

std::int32_t readLimit(const GameExecutable& executable, const SingleValueLayout& limit) {
  return readNaming([&] { return executable.readValue(limit.position); },
                    [&] { return std::string(limit.name); });
}

}  // namespace pricewright
