#include "compare_reporter.h"

#include <algorithm>
#include <cstdio>

#include "bench_register.h"

namespace barsize::bench {

namespace {

double toMicros(double time, benchmark::TimeUnit unit) {
    switch (unit) {
        case benchmark::kNanosecond: return time / 1e3;
        case benchmark::kMicrosecond: return time;
        case benchmark::kMillisecond: return time * 1e3;
        case benchmark::kSecond: return time * 1e6;
    }
    return time;
}

std::string formatMicros(double micros) {
    char text[32];
    if (micros < 10) std::snprintf(text, sizeof text, "%.3f", micros);
    else if (micros < 1000) std::snprintf(text, sizeof text, "%.1f", micros);
    else std::snprintf(text, sizeof text, "%.0f", micros);
    return text;
}

}  // namespace

void CompareReporter::ReportRuns(const std::vector<Run> &reports) {
    for (const Run &run : reports) {
        const std::string full = run.run_name.str();
        const size_t slash = full.rfind('/');
        if (slash == std::string::npos) continue;
        const std::string caseName = full.substr(0, slash);
        const std::string impl = full.substr(slash + 1);
        if (std::find(caseOrder_.begin(), caseOrder_.end(), caseName) == caseOrder_.end())
            caseOrder_.push_back(caseName);
        if (impl != kOurs && std::find(implOrder_.begin(), implOrder_.end(), impl) == implOrder_.end())
            implOrder_.push_back(impl);
        Result &result = results_[caseName][impl];
        if (run.error_occurred) {
            result.error = run.error_message;
            continue;
        }
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && result.micros < 0;
        if (!median && !single) continue;
        result.micros = toMicros(run.GetAdjustedCPUTime(), run.time_unit);
        const auto stack = run.counters.find("stack_bytes");
        if (stack != run.counters.end()) result.stackBytes = stack->second.value;
    }
    ConsoleReporter::ReportRuns(reports);
}

void CompareReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::string header = "| case | ours µs | stack bytes |";
    std::string rule = "|---|---:|---:|";
    for (const std::string &impl : implOrder_) {
        header += " " + impl + " µs | × |";
        rule += "---:|---:|";
    }
    std::printf("\nMedians; × = the peer's time over ours.\n\n%s\n%s\n", header.c_str(), rule.c_str());
    for (const std::string &caseName : caseOrder_) {
        const auto &row = results_[caseName];
        const auto oursIt = row.find(kOurs);
        const Result ours = oursIt == row.end() ? Result() : oursIt->second;
        std::string line = "| " + caseName + " | ";
        if (!ours.error.empty()) line += ours.error + " | |";
        else if (ours.micros < 0) line += "— | |";
        else
            line += formatMicros(ours.micros) + " | " +
                    (ours.stackBytes < 0 ? std::string("") : std::to_string(static_cast<long>(ours.stackBytes))) + " |";
        for (const std::string &impl : implOrder_) {
            const auto it = row.find(impl);
            if (it == row.end()) {
                line += " | |";
            } else if (!it->second.error.empty()) {
                line += " refused | |";
            } else if (it->second.micros < 0) {
                line += " — | |";
            } else {
                line += " " + formatMicros(it->second.micros) + " |";
                if (ours.micros > 0 && ours.error.empty()) {
                    char ratio[32];
                    std::snprintf(ratio, sizeof ratio, " %.1f |", it->second.micros / ours.micros);
                    line += ratio;
                } else {
                    line += " |";
                }
            }
        }
        std::printf("%s\n", line.c_str());
    }
    std::fflush(stdout);
}

}  // namespace barsize::bench
