// Console output as usual, then one table: per case our median CPU time, each peer's
// median and the peer's time over ours (how many times faster we are).
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace barsize::bench {

class CompareReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &reports) override;
    void Finalize() override;

private:
    struct Result {
        double micros = -1;  // median (or the single run) in microseconds
        double stackBytes = -1;
        std::string error;
    };
    std::vector<std::string> caseOrder_;
    std::vector<std::string> implOrder_;
    std::map<std::string, std::map<std::string, Result>> results_;  // case -> impl -> result
};

}  // namespace barsize::bench
