// One PIN check at the cost of the till's digests, right and wrong (the
// check takes as long either way), against one SHA-256 pass over as many
// bytes as the check's memory: how much slower than streaming its memory
// once a check is, whatever the machine's load.
//   pin-check [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ledger/Sha256.h"
#include "staff/PinDigest.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Run>
double MedianMs(int runs, Run run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const vantor::Argon2Cost& cost = vantor::kPinCost;
    const vantor::PinDigest digest = vantor::DigestPin(vantor::Pin("2580"));
    bool right = true;
    bool wrong = false;
    const double rightMs =
        MedianMs(runs, [&] { right = vantor::PinMatches(vantor::Pin("2580"), digest); });
    const double wrongMs =
        MedianMs(runs, [&] { wrong = vantor::PinMatches(vantor::Pin("2581"), digest); });
    const std::string memory(cost.memoryKiB * 1024, 'x');
    const double shaMs = MedianMs(runs, [&] { vantor::Sha256Hex(memory); });
    if (!right || wrong) {
        std::fprintf(stderr, "the check does not tell the right PIN from a wrong one\n");
        return 1;
    }
    std::printf("Argon2id: %lu passes, %lu KiB, %lu lane(s)\n", cost.passes, cost.memoryKiB,
                cost.lanes);
    std::printf("PIN check, right PIN: %.1f ms (median of %d)\n", rightMs, runs);
    std::printf("PIN check, wrong PIN: %.1f ms\n", wrongMs);
    std::printf("SHA-256 of %lu KiB:   %.1f ms (a check is %.1f times that)\n", cost.memoryKiB,
                shaMs, rightMs / shaMs);
    const bool within = rightMs >= 50 && rightMs <= 250;
    std::printf("target 50-250 ms: %s\n", within ? "met" : "NOT met");
    return 0;
}
