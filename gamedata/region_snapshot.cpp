#include "gamedata/region_snapshot.h"

#include <algorithm>

namespace pricewright {

RegionSnapshot::RegionSnapshot(const ByteSource& source, std::int32_t firstPosition, std::int32_t endPosition)
    : source_(source), firstPosition_(firstPosition),
      bytes_(source.readAvailable(firstPosition, endPosition - firstPosition)) {}

std::optional<std::string_view> RegionSnapshot::held(std::int32_t position, std::int32_t count) const {
  const std::int64_t offset = std::int64_t{position} - firstPosition_;
  if (offset < 0 || offset + count > static_cast<std::int64_t>(bytes_.size())) return std::nullopt;
  return std::string_view(bytes_).substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
}

void RegionSnapshot::readBytes(std::int32_t position, std::span<char> bytes) const {
  if (const auto found = held(position, static_cast<std::int32_t>(bytes.size())))
    std::ranges::copy(*found, bytes.begin());
  else
    source_.readBytes(position, bytes);
}

std::optional<std::int32_t> RegionSnapshot::heldValue(std::int32_t position) const {
  const auto found = held(position, kRecordValueSize);
  if (!found) return std::nullopt;
  return littleEndianValue(*found);
}

std::string RegionSnapshot::readAvailable(std::int32_t position, std::int32_t count) const {
  if (const auto found = held(position, count)) return std::string(*found);
  return source_.readAvailable(position, count);
}

}  // namespace pricewright
