#include "gamedata/windows_program.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "gamedata/error.h"
#include "gamedata/releases.h"

namespace pricewright {

namespace {
// Offsets in the headers, as the Windows program format defines them.
constexpr std::int32_t kHeaderPointerOffset = 0x3C;
constexpr std::string_view kSignature("PE\0\0", 4);
constexpr std::int32_t kFileHeaderSize = 20;  // after the signature
constexpr std::int32_t kSectionCountOffset = 2;
constexpr std::int32_t kOptionalHeaderSizeOffset = 16;
constexpr std::int32_t kImageBaseOffset = 28;  // in the optional header of a 32-bit program
constexpr std::uint16_t k32BitProgram = 0x10B;
constexpr std::int32_t kSectionHeaderSize = 40;

std::uint32_t unsignedAt(std::string_view bytes, std::size_t offset, std::size_t width = 4) {
  std::uint32_t value = 0;
  for (std::size_t b = width; b-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[offset + b]);
  return value;
}

[[noreturn]] void unreadable(const std::string& why) {
  throw RuntimeError::inPlainWords(ErrorNumber::InvalidFileFormat,
                                   "The file is a Windows program, but Pricewright cannot read its section "
                                   "table: " +
                                       why + ". " + std::string(kWhatPricewrightReads));
}

// The bytes at zero-based `offset`, or the error saying the headers end early.
std::string headerBytes(const ByteSource& file, std::int64_t offset, std::int64_t count) {
  std::string bytes =
      file.readAvailable(static_cast<std::int32_t>(offset + 1), static_cast<std::int32_t>(count));
  if (std::ssize(bytes) != count) unreadable("the file ends inside its headers");
  return bytes;
}
}  // namespace

std::optional<SectionTable> windowsProgramSections(const ByteSource& file) {
  if (file.readAvailable(1, 2) != "MZ") return std::nullopt;
  const std::string pointer = file.readAvailable(kHeaderPointerOffset + 1, kRecordValueSize);
  if (pointer.size() != kRecordValueSize) return std::nullopt;
  const std::int32_t header = littleEndianValue(pointer);
  if (header <= 0 || header >= kLargestRelease ||
      file.readAvailable(header + 1, static_cast<std::int32_t>(kSignature.size())) != kSignature)
    return std::nullopt;

  const std::int64_t fileHeader = std::int64_t{header} + std::ssize(kSignature);
  const std::string counts = headerBytes(file, fileHeader, kFileHeaderSize);
  const std::uint32_t sectionCount = unsignedAt(counts, kSectionCountOffset, 2);
  const std::uint32_t optionalSize = unsignedAt(counts, kOptionalHeaderSizeOffset, 2);
  const std::int64_t optionalHeader = fileHeader + kFileHeaderSize;
  if (optionalSize < kImageBaseOffset + 4 ||
      unsignedAt(headerBytes(file, optionalHeader, 2), 0, 2) != k32BitProgram)
    unreadable("it is no 32-bit program, as the game is");
  const std::uint32_t imageBase = unsignedAt(headerBytes(file, optionalHeader + kImageBaseOffset, 4), 0);
  if (sectionCount == 0) unreadable("it lists no sections");
  if (sectionCount > SectionTable::kCapacity)
    unreadable("it lists " + std::to_string(sectionCount) + " sections, more than the " +
               std::to_string(SectionTable::kCapacity) + " that Pricewright reads");

  const std::string headers =
      headerBytes(file, optionalHeader + optionalSize, std::int64_t{sectionCount} * kSectionHeaderSize);
  SectionTable sections;
  for (std::uint32_t s = 0; s < sectionCount; ++s) {
    const std::size_t at = std::size_t{s} * kSectionHeaderSize;
    const std::uint32_t loadedSize = unsignedAt(headers, at + 8);
    const std::uint32_t relativeAddress = unsignedAt(headers, at + 12);
    const std::uint32_t fileSize = unsignedAt(headers, at + 16);
    // The file holds the section's first bytes; the rest, if any, the game fills with zeros when loaded.
    const std::uint32_t held = loadedSize == 0 ? fileSize : std::min(loadedSize, fileSize);
    const std::uint64_t loadAddress = std::uint64_t{imageBase} + relativeAddress;
    if (loadAddress + held > std::numeric_limits<std::uint32_t>::max())
      unreadable("section " + std::to_string(s + 1) + " lies beyond the addresses of a 32-bit program");
    sections.add({static_cast<std::uint32_t>(loadAddress), held, unsignedAt(headers, at + 20)});
  }
  return sections;
}

}  // namespace pricewright
