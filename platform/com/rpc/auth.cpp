#include "platform/com/rpc/auth.h"

#include <fcntl.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace qn::com {

void random_bytes(void* out, std::size_t n) {
  auto* p = static_cast<std::uint8_t*>(out);
  while (n > 0) {
    const ssize_t got = ::getrandom(p, n, 0);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) std::abort();
    p += got;
    n -= static_cast<std::size_t>(got);
  }
}

void init_crypto() { OPENSSL_init_crypto(OPENSSL_INIT_LOAD_CONFIG, nullptr); }

Digest hmac_sha256(const Secret& key, const std::uint8_t* data, std::size_t n) {
  Digest d{};
  unsigned int len = 0;
  ::HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()), data, n, d.data(), &len);
  return d;
}

Digest handshake_proof(const Secret& secret, char side, const std::uint8_t* client_nonce,
                       const std::uint8_t* server_nonce, const std::uint8_t* extra,
                       std::size_t extra_size) {
  std::vector<std::uint8_t> m;
  m.push_back(static_cast<std::uint8_t>(side));
  m.insert(m.end(), client_nonce, client_nonce + kNonceSize);
  m.insert(m.end(), server_nonce, server_nonce + kNonceSize);
  if (extra) m.insert(m.end(), extra, extra + extra_size);
  return hmac_sha256(secret, m.data(), m.size());
}

bool same_bytes(const std::uint8_t* a, const std::uint8_t* b, std::size_t n) {
  return CRYPTO_memcmp(a, b, n) == 0;
}

std::optional<std::string> rpc_folder(std::string* why) {
  auto fail = [&](std::string text) -> std::optional<std::string> {
    if (why) *why = std::move(text);
    return std::nullopt;
  };
  std::string dir;
  if (const char* named = std::getenv("QN_RPC_DIR"); named && *named) {
    dir = named;
  } else if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run && *run) {
    dir = std::string(run) + "/qn-rpc";
  } else {
    return fail("no folder for the remoting secrets: set XDG_RUNTIME_DIR or QN_RPC_DIR");
  }
  if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
    return fail("cannot make the folder " + dir);
  struct stat st {};
  if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return fail(dir + " is not a folder");
  if (st.st_uid != ::geteuid() || (st.st_mode & 077) != 0)
    return fail(dir + " must belong to you and be closed to others (chmod 700)");
  return dir;
}

std::string secret_path(const std::string& folder, std::uint64_t oxid) {
  char name[32];
  std::snprintf(name, sizeof name, "/%016" PRIx64 ".secret", oxid);
  return folder + name;
}

std::optional<Secret> read_secret(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return std::nullopt;
  Secret s{};
  std::size_t got = 0;
  while (got < s.size()) {
    const ssize_t n = ::read(fd, s.data() + got, s.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (got != s.size()) return std::nullopt;
  return s;
}

bool write_private_file(const std::string& path, const void* data, std::size_t n) {
  std::uint8_t tag[8];
  random_bytes(tag, sizeof tag);
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, ".%02x%02x%02x%02x%02x%02x%02x%02x.tmp", tag[0], tag[1],
                tag[2], tag[3], tag[4], tag[5], tag[6], tag[7]);
  const std::string temp = path + suffix;
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return false;
  const auto* p = static_cast<const std::uint8_t*>(data);
  bool ok = true;
  while (ok && n > 0) {
    const ssize_t done = ::write(fd, p, n);
    if (done < 0 && errno == EINTR) continue;
    ok = done > 0;
    if (ok) {
      p += done;
      n -= static_cast<std::size_t>(done);
    }
  }
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace qn::com
