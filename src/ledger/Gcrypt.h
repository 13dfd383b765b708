#pragma once

namespace vantor {

// libgcrypt checked and initialized once, before its first use (SHA-256 of
// the chain, Ed25519 of the archives). Throws when the library is missing.
void UseGcrypt();

}  // namespace vantor
