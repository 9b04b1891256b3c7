#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "gamedata/byte_source.h"

namespace pricewright {

// One region of the file read at once, for an operation that reads it many
// times: a load reads its lists from one, a record is read as one. A read
// that does not lie wholly within the bytes held asks the source, so it fails
// exactly as it would without the snapshot. It lives no longer than that
// operation.
class RegionSnapshot final : public ByteSource {
public:
  // The bytes from 1-based `firstPosition` up to, not including, `endPosition`, as far as the file holds
  // them.
  RegionSnapshot(const ByteSource& source, std::int32_t firstPosition, std::int32_t endPosition);

  void readBytes(std::int32_t position, std::span<char> bytes) const override;
  std::string readAvailable(std::int32_t position, std::int32_t count) const override;
  // The record value at `position` where the snapshot holds it, and nothing
  // otherwise: for a look ahead that must not fail.
  std::optional<std::int32_t> heldValue(std::int32_t position) const;

private:
  std::optional<std::string_view> held(std::int32_t position, std::int32_t count) const;

  const ByteSource& source_;
  std::int32_t firstPosition_;
  std::string bytes_;
};

}  // namespace pricewright
