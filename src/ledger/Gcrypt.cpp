#include "ledger/Gcrypt.h"

#include <gcrypt.h>

#include <cstdarg>
#include <cstdio>
#include <stdexcept>

namespace vantor {

namespace {

// libgcrypt's notes (on Windows, "you should run 'diskperf -y'" while it
// gathers entropy) would land in the headless runner's errors, which name
// the script's faults only; its warnings and errors still go to stderr.
void LogGcryptWarnings(void*, int level, const char* format, va_list args) {
    if (level >= GCRY_LOG_WARN && level != GCRY_LOG_DEBUG) {
        std::vfprintf(stderr, format, args);
    }
}

}  // namespace

void UseGcrypt() {
    static const bool ready = [] {
        gcry_set_log_handler(LogGcryptWarnings, nullptr);
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
