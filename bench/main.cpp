// barsize_bench: our encoders and the peers' encodes of the same symbols,
// then a table of medians and ratios. Google Benchmark flags work as usual
// (--benchmark_filter=QR/ ...); without them every case runs five times.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "bench_register.h"
#include "compare_reporter.h"

namespace {

bool hasFlag(int argc, char **argv, const char *flag) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char **argv) {
    std::vector<std::string> defaults;
    if (!hasFlag(argc, argv, "--benchmark_repetitions")) defaults.push_back("--benchmark_repetitions=5");
    if (!hasFlag(argc, argv, "--benchmark_report_aggregates_only"))
        defaults.push_back("--benchmark_report_aggregates_only=true");
    if (!hasFlag(argc, argv, "--benchmark_min_time")) defaults.push_back("--benchmark_min_time=0.05");
    std::vector<char *> args(argv, argv + argc);
    for (std::string &flag : defaults) args.push_back(flag.data());
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 2;

    barsize::bench::registerLinearCases();
    barsize::bench::registerDataBarCases();
    barsize::bench::registerPdf417Cases();
    barsize::bench::registerQrCodeCases();

    barsize::bench::CompareReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
