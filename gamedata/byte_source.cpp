#include "gamedata/byte_source.h"

#include <numeric>

namespace pricewright {

std::int32_t littleEndianValue(std::span<const char> bytes) {
  return static_cast<std::int32_t>(
      std::accumulate(bytes.rbegin(), bytes.rend(), std::uint32_t{0}, [](std::uint32_t value, char byte) {
        return value << 8 | static_cast<unsigned char>(byte);
      }));
}

std::int32_t ByteSource::readValue(std::int32_t position) const {
  char bytes[kRecordValueSize];
  readBytes(position, bytes);
  return littleEndianValue(bytes);
}

std::string ByteSource::readNameField(std::int32_t position) const {
  std::string field(kNameFieldSize, '\0');
  readBytes(position, field);
  return field;
}

}  // namespace pricewright
