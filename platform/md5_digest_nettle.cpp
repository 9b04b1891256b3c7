#include <nettle/md5.h>

#include "platform/md5_digest.h"

namespace pricewright {

Md5Digest md5Digest(std::string_view bytes) {
  md5_ctx context{};
  md5_init(&context);
  md5_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
  Md5Digest digest{};
  md5_digest(&context, digest.size(), digest.data());
  return digest;
}

}  // namespace pricewright
