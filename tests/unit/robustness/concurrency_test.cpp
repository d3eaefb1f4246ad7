// Several threads calling get1DBarCodeWidth and get2DBarCodeWidth at once
// get the answers serial calls give, and each caller's block holds its own
// symbol. The make target test-tsan runs this under ThreadSanitizer.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <thread>

#include "call_cases.h"

namespace barsize::test {
namespace {

TEST(Concurrency, LockedExportsFromManyThreadsAnswerAsSerialCalls) {
    const std::vector<CallCase> &cases = callCases();
    std::vector<CallAnswer> serial;
    for (const CallCase &c : cases) serial.push_back(runLocked(c));

    constexpr int kThreads = 4;
    constexpr int kRounds = 2;
    std::vector<std::vector<std::string>> mismatches(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            std::vector<size_t> order(cases.size());
            for (size_t i = 0; i < order.size(); ++i) order[i] = i;
            std::mt19937 random(static_cast<unsigned>(t + 1));
            for (int round = 0; round < kRounds; ++round) {
                std::shuffle(order.begin(), order.end(), random);
                for (size_t i : order) {
                    const CallAnswer answer = runLocked(cases[i]);
                    if (!(answer == serial[i]))
                        mismatches[t].push_back(std::string(cases[i].name) + ": " +
                                                describe(answer) + "\n  serial: " +
                                                describe(serial[i]));
                }
            }
        });
    for (std::thread &thread : threads) thread.join();
    for (const auto &list : mismatches)
        for (size_t i = 0; i < list.size() && i < 5; ++i) ADD_FAILURE() << list[i];
}

}  // namespace
}  // namespace barsize::test
