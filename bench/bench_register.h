// Registering one benchmark case: our encoder and each peer that makes the
// same symbol, named "<family>/<case>/<implementation>" so that the report
// can put them side by side.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "stack_use.h"

namespace barsize::bench {

// The implementation names, last part of every benchmark name.
inline const char *const kOurs = "ours";
inline const char *const kZint = "libzint";
inline const char *const kZintMask000 = "libzint mask 000";
inline const char *const kQrencode = "libqrencode";

// `encode` runs our export once and returns its result (negative = refused).
// A refused symbol is reported as such, not timed. The case also records the
// most stack one call uses.
template <class Encode>
void addOurs(const std::string &name, Encode encode) {
    benchmark::RegisterBenchmark((name + "/" + kOurs).c_str(), [encode](benchmark::State &state) {
        const int32_t first = encode();
        if (first < 0) {
            state.SkipWithError(("refused with " + std::to_string(first)).c_str());
            return;
        }
        state.counters["stack_bytes"] = static_cast<double>(stackUse([&] { encode(); }));
        for (auto _ : state) {
            int32_t result = encode();
            benchmark::DoNotOptimize(result);
        }
    })->Unit(benchmark::kMicrosecond);
}

// A peer's encode of the same symbol: `setUp` makes the peer's state once,
// `encode` returns true when the peer accepted the data, `tearDown` frees it.
template <class SetUp, class Encode, class TearDown>
void addPeer(const std::string &name, const char *peer, SetUp setUp, Encode encode,
             TearDown tearDown) {
    benchmark::RegisterBenchmark((name + "/" + peer).c_str(),
                                 [setUp, encode, tearDown](benchmark::State &state) {
        auto handle = setUp();
        if (!encode(handle)) {
            state.SkipWithError("peer refused the data");
        } else {
            for (auto _ : state) {
                bool ok = encode(handle);
                benchmark::DoNotOptimize(ok);
            }
        }
        tearDown(handle);
    })->Unit(benchmark::kMicrosecond);
}

void registerLinearCases();
void registerDataBarCases();
void registerPdf417Cases();
void registerQrCodeCases();

}  // namespace barsize::bench
