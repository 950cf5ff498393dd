// Who may use an exporter, and the files that say so.
//
// Every exporter has a secret of 32 random bytes, written with mode 0600 to
// "<oxid>.secret" in the runtime folder: $QN_RPC_DIR, or "qn-rpc" under
// $XDG_RUNTIME_DIR. The folder must belong to the user and let no one else
// write or read it (it is made 0700 when missing). A client proves that it
// can read the secret of the exporter it calls, and the exporter proves
// the same back, without the secret travelling: each side sends a nonce and
// answers with HMAC-SHA-256 over both (see docs/remote.md).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace qn::com {

inline constexpr std::size_t kSecretSize = 32;
using Secret = std::array<std::uint8_t, kSecretSize>;
using Digest = std::array<std::uint8_t, 32>;

// Bytes from the system's random source; aborts when it has none, since
// identifiers and secrets must never be guessable.
void random_bytes(void* out, std::size_t n);

// Readies the crypto library. Its own exit handler, registered then, runs
// after any registered later (threads that used it must end before it).
void init_crypto();

Digest hmac_sha256(const Secret& key, const std::uint8_t* data, std::size_t n);
// Compares in time independent of where they differ.
bool same_bytes(const std::uint8_t* a, const std::uint8_t* b, std::size_t n);

// The runtime folder, made when missing; nothing (and *why says what is
// wrong) when none is set or it is open to other users.
std::optional<std::string> rpc_folder(std::string* why = nullptr);
// The secret file of the exporter with this OXID in folder.
std::string secret_path(const std::string& folder, std::uint64_t oxid);
std::optional<Secret> read_secret(const std::string& path);

// The handshake's values (docs/remote.md): the bind carries the client's
// nonce and its exporter's OXID; the bind_ack the server's nonce, the name
// the server goes by before the client, and the server's proof; auth3 the
// name the client goes by and its proof.
inline constexpr std::size_t kNonceSize = 16;
inline constexpr std::size_t kPeerIdSize = 16;
inline constexpr std::size_t kBindAuthSize = kNonceSize + 8;
inline constexpr std::size_t kBindAckAuthSize = kNonceSize + kPeerIdSize + 32;
inline constexpr std::size_t kAuth3AuthSize = kPeerIdSize + 32;

// HMAC-SHA-256 over a side's tag ('S' server, 'C' client), both nonces and
// what follows them.
Digest handshake_proof(const Secret& secret, char side, const std::uint8_t* client_nonce,
                       const std::uint8_t* server_nonce, const std::uint8_t* extra = nullptr,
                       std::size_t extra_size = 0);

// Writes a file only its owner may read or write: a temporary file in the
// same folder, flushed to disk, then renamed over path.
bool write_private_file(const std::string& path, const void* data, std::size_t n);

}  // namespace qn::com
