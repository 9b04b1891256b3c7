#include "platform/shared_read_file.h"

#include <fstream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <ext/stdio_filebuf.h>
#endif

namespace pricewright {

#ifdef _WIN32
// The C library opens files without FILE_SHARE_DELETE, which would stop
// anyone renaming or deleting the game file while it is open.
std::unique_ptr<std::streambuf> openSharedForReading(const std::filesystem::path& path) {
  HANDLE handle =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
  if (descriptor == -1) {
    CloseHandle(handle);
    return nullptr;
  }
  // A buffer of one is libstdc++'s unbuffered mode; the buffer owns the descriptor.
  return std::make_unique<__gnu_cxx::stdio_filebuf<char>>(descriptor, std::ios::in | std::ios::binary, 1);
}
#else
// POSIX never stops others renaming, deleting or writing an open file.
std::unique_ptr<std::streambuf> openSharedForReading(const std::filesystem::path& path) {
  auto file = std::make_unique<std::filebuf>();
  file->pubsetbuf(nullptr, 0);
  if (!file->open(path, std::ios::in | std::ios::binary)) return nullptr;
  return file;
}
#endif

}  // namespace pricewright
