// Merging status reports into the console's computer list: 10,000 workstations answering a scan
// (every report a new record), then the same 10,000 answering again (every report refreshes its
// record). The figure is the time per report.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "console/computer_list.h"

namespace {

constexpr int kReports = 10000;

std::vector<std::string> Reports() {
    std::vector<std::string> reports;
    for (int i = 0; i < kReports; ++i) {
        const std::string n = std::to_string(i);
        reports.push_back("<HTML><BODY><B>200 <computername>WS-" + n +
                          "</computername>\r<internalip>10.78." + std::to_string(i / 256) + "." +
                          std::to_string(i % 256) +
                          "</internalip>\r<mac>00-16-3E-00-00-01</mac>\r<group>(n/a)</group>\r"
                          "<status>Unlocked</status>\r<idletime>" +
                          n + "</idletime>\r<uptime>90061</uptime>\r<currentuser>user" + n +
                          "</currentuser>\r<ostrelversion>3.0.0.48</ostrelversion>\r"
                          "<comments>comment</comments>\r<masterip>10.78.0.1</masterip>\r"
                          "<layout>default.slf</layout>\r<rdp>0</rdp>\r<locktime>59</locktime>"
                          "</B></BODY></HTML>\r\n");
    }
    return reports;
}

void BM_MergeNewReports(benchmark::State& state) {
    const std::vector<std::string> reports = Reports();
    for (auto _ : state) {
        ostrel::TComputerList list;
        for (const std::string& report : reports) list.MergeStatusReport(report);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * kReports);
}
BENCHMARK(BM_MergeNewReports)->Unit(benchmark::kMillisecond);

void BM_MergeRefreshingReports(benchmark::State& state) {
    const std::vector<std::string> reports = Reports();
    ostrel::TComputerList list;
    for (const std::string& report : reports) list.MergeStatusReport(report);
    for (auto _ : state) {
        for (const std::string& report : reports) list.MergeStatusReport(report);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * kReports);
}
BENCHMARK(BM_MergeRefreshingReports)->Unit(benchmark::kMillisecond);

}  // namespace
