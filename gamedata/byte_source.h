#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace pricewright {

inline constexpr std::int32_t kRecordValueSize = 4;
inline constexpr std::int32_t kNameFieldSize = 30;

// Bytes of the game file by 1-based position: the file itself, or a region of
// it read at once. Every source fails a read exactly as the file would.
class ByteSource {
public:
  virtual ~ByteSource() = default;

  // Exactly `bytes.size()` bytes at `position`, or the RuntimeError saying why not.
  virtual void readBytes(std::int32_t position, std::span<char> bytes) const = 0;
  // Up to `count` bytes from `position` (at least 1): fewer where the file
  // ends, none where it cannot be read.
  virtual std::string readAvailable(std::int32_t position, std::int32_t count) const = 0;

  // The record value at `position`: a 4-byte little-endian signed integer.
  std::int32_t readValue(std::int32_t position) const;
  // The 30 bytes of a name field at `position`, uncut.
  std::string readNameField(std::int32_t position) const;
};

// Record values are stored low byte first.
std::int32_t littleEndianValue(std::span<const char> bytes);

}  // namespace pricewright
