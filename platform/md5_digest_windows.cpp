#include <windows.h>

#include <bcrypt.h>

#include "platform/md5_digest.h"

namespace pricewright {

Md5Digest md5Digest(std::string_view bytes) {
  Md5Digest digest{};
  BCRYPT_ALG_HANDLE md5 = nullptr;
  if (BCryptOpenAlgorithmProvider(&md5, BCRYPT_MD5_ALGORITHM, nullptr, 0) != 0) return digest;
  // The input is never written; the API's parameter is not const.
  BCryptHash(md5, nullptr, 0, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data())),
             static_cast<ULONG>(bytes.size()), digest.data(), static_cast<ULONG>(digest.size()));
  BCryptCloseAlgorithmProvider(md5, 0);
  return digest;
}

}  // namespace pricewright
