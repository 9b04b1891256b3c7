#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace pricewright {

// One section of a Windows program: where its bytes lie once loaded, and where in the file.
struct Section {
  std::uint32_t loadAddress;  // the image base plus the section's relative address
  std::uint32_t size;         // bytes of it that the file holds
  std::uint32_t fileOffset;   // zero-based
};

// A Windows program's sections, which say at what file offset each load
// address lies. Of fixed capacity, so that a layout holding it stays a
// constant expression; empty for a file that is no Windows program.
class SectionTable {
public:
  static constexpr std::size_t kCapacity = 16;

  constexpr bool empty() const { return count_ == 0; }
  constexpr bool full() const { return count_ == kCapacity; }
  constexpr void add(const Section& section) { sections_[count_++] = section; }
  std::span<const Section> sections() const { return {sections_.data(), count_}; }

  // The zero-based file offset of `address`, or nothing where no section holds it.
  constexpr std::optional<std::int64_t> offsetOf(std::uint32_t address) const {
    for (std::size_t s = 0; s < count_; ++s) {
      const Section& section = sections_[s];
      if (address >= section.loadAddress && address - section.loadAddress < section.size)
        return std::int64_t{section.fileOffset} + (address - section.loadAddress);
    }
    return std::nullopt;
  }

private:
  std::array<Section, kCapacity> sections_{};
  std::size_t count_ = 0;
};

// How a name's load address turns into its offset in the file.
struct AddressMap {
  // In a file that is no Windows program: a load address minus this is its offset.
  std::int32_t loadAddressOfFirstByte;
  // In a Windows program: its own sections. A layout row leaves them empty.
  SectionTable sections{};

  // The zero-based offset of `address`, or nothing where it lies in no
  // section; it may lie before or beyond the file.
  constexpr std::optional<std::int64_t> offsetOf(std::int32_t address) const {
    if (sections.empty()) return std::int64_t{address} - loadAddressOfFirstByte;
    return sections.offsetOf(static_cast<std::uint32_t>(address));
  }
};

}  // namespace pricewright
