// Tag substitution of a 64 KB HTML page, one replace-all per tag as a page render does it:
// ReplaceAll against a straightforward std::string::find replacement on a lower-cased copy.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>

#include "common/text_helpers.h"

namespace {

constexpr std::array<std::string_view, 46> kTags = {
    "%TIME%",
    "%DATE%",
    "%LONGDATE%",
    "%COMPUTERNAME%",
    "%AWAYMESSAGE%",
    "%OSTRELSTART%",
    "%OSTRELUPTIME%",
    "%SYSTEMUPTIME%",
    "%INTERNALIP%",
    "%OSTRELSTATUS%",
    "%IDLETIME%",
    "%WINUSERNAME%",
    "%OSTRELVERSION%",
    "%MASTERIP%",
    "%TIMELOCKED%",
    "%OSTRELDIR%",
    "%CURLAYOUT%",
    "%CURPAGEURL%",
    "%WORKGROUP%",
    "%DOMAINNAME%",
    "%HOSTIP%",
    "%BATTERYLIFEPERCENT%",
    "%BATTERYLIFETIME%",
    "%COMMENT%",
    "%OsName%",
    "%OsVersionCSD%",
    "%IEversion%",
    "%CPUTYPE%",
    "%CPULOAD%",
    "%CPUNORMFREQ%",
    "%UsedPhysicalMemory%",
    "%pcntUsedPhysicalMemory%",
    "%TotalPhysicalMemory%",
    "%FreePhysicalMemory%",
    "%UsedVirtualMemory%",
    "%pcntUsedVirtualMemory%",
    "%TotalVirtualMemory%",
    "%FreeVirtualMemory%",
    "%UsedPageFileMemory%",
    "%pcntUsedPageFileMemory%",
    "%TotalPageFileMemory%",
    "%FreePageFileMemory%",
    "%SwapFileSize%",
    "%SwapFileUsage%",
    "%MemoryLoad%",
    "%MESSAGECOUNT%",
};

constexpr std::size_t kPageSize = 64 * 1024;
constexpr std::string_view kValue = "value of 24 characters..";

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

// A lock page: styled paragraphs with the tags spread through them, written both as in the
// tag table and in lower case.
const std::string& Page() {
    static const std::string page = [] {
        std::string text =
            "<html><head><title>Locked</title><style>body { width: 100%; }</style></head><body>\n";
        for (std::size_t i = 0; text.size() < kPageSize; ++i) {
            const std::string_view tag = kTags[i % kTags.size()];
            text += "<div class=\"row\"><span class=\"label\">Item " + std::to_string(i) +
                    "</span><p>This workstation is locked. Please leave a message for the user "
                    "or contact the help desk; 100% of sessions are logged.</p><span>" +
                    (i / kTags.size() % 2 == 0 ? std::string(tag) : Lowered(tag)) +
                    "</span></div>\n";
        }
        return text + "</body></html>\n";
    }();
    return page;
}

std::string NaiveReplaceAll(const std::string& text, std::string_view find,
                            std::string_view replacement) {
    const std::string lowerText = Lowered(text);
    const std::string lowerFind = Lowered(find);
    std::string result;
    std::size_t copied = 0;
    for (std::size_t at = lowerText.find(lowerFind); at != std::string::npos;
         at = lowerText.find(lowerFind, copied)) {
        result.append(text, copied, at - copied).append(replacement);
        copied = at + find.size();
    }
    return result.append(text, copied);
}

template <typename Replace>
void RenderPage(benchmark::State& state, Replace replace) {
    for (auto _ : state) {
        std::string page = Page();
        for (const std::string_view tag : kTags) page = replace(page, tag, kValue);
        benchmark::DoNotOptimize(page);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Page().size()));
}

void BM_ReplaceAll(benchmark::State& state) {
    RenderPage(state, [](const std::string& text, std::string_view find, std::string_view value) {
        return ostrel::ReplaceAll(text, find, value);
    });
}

void BM_ReplaceAllExact(benchmark::State& state) {
    RenderPage(state, [](const std::string& text, std::string_view find, std::string_view value) {
        return ostrel::ReplaceAllExact(text, find, value);
    });
}

void BM_NaiveReplaceAll(benchmark::State& state) {
    RenderPage(state, NaiveReplaceAll);
}

}  // namespace

BENCHMARK(BM_ReplaceAll);
BENCHMARK(BM_ReplaceAllExact);
BENCHMARK(BM_NaiveReplaceAll);
