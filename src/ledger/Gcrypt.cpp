#include "ledger/Gcrypt.h"

#include <gcrypt.h>

#include <stdexcept>

namespace vantor {

void UseGcrypt() {
    static const bool ready = [] {
        if (gcry_check_version(GCRYPT_VERSION) == nullptr) {
            return false;
        }
        // No secret lives long enough here to need locked memory.
        gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
        gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
        return true;
    }();
    if (!ready) {
        throw std::runtime_error("libgcrypt indisponible");
    }
}

}  // namespace vantor
