// The load of generated item documents through LoadXML against a baseline in the same process:
// libxml2 parsing the same text into its tree plus a walk that reads every element's name and
// text. Prints items per second, the ratio load / baseline and the growth from 10,000 to
// 100,000 items. --benchmark_repetitions=N makes the summary use each benchmark's median.

#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "DocumentLoader.hpp"
#include "ItemDocument.hpp"
#include "automation/Unicode.hpp"

namespace orvantis::bench {
namespace {

// The small sizes show what a load costs whatever its size: a page that loads one contact at
// a time pays it every time.
constexpr std::size_t kSizes[] = {1, 10, 100, 1'000, 10'000, 100'000};

const std::string& Utf8Document(std::size_t items) {
    static std::map<std::size_t, std::string> documents;
    auto& text = documents[items];
    if (text.empty()) text = GenerateItemDocument(items);
    return text;
}

void Load(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    // The host hands the control its text already decoded, as a script's string.
    Variant document(*WideFromUtf8(Utf8Document(items)));
    DocumentLoader loader;
    for (auto _ : state) {
        if (!loader.Load(document)) state.SkipWithError("the document did not load");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

std::size_t Walk(const xmlNode* node) {
    std::size_t characters = 0;
    for (; node; node = node->next) {
        if (node->type == XML_ELEMENT_NODE) {
            characters += std::strlen(reinterpret_cast<const char*>(node->name));
            characters += Walk(node->children);
        } else if (node->type == XML_TEXT_NODE) {
            characters += std::strlen(reinterpret_cast<const char*>(node->content));
        }
    }
    return characters;
}

void BareParse(benchmark::State& state) {
    const std::string& text = Utf8Document(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        xmlDoc* doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, "UTF-8",
                                    XML_PARSE_NONET | XML_PARSE_NOBLANKS);
        if (!doc) state.SkipWithError("libxml2 refused the document");
        benchmark::DoNotOptimize(Walk(xmlDocGetRootElement(doc)));
        xmlFreeDoc(doc);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    for (const auto items : kSizes) benchmark->Arg(static_cast<std::int64_t>(items));
}

BENCHMARK(Load)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BareParse)->Apply(Sizes)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's CPU time per iteration (ms), the median when runs are repeated, so
// that the summary can compare them. CPU time, because on a shared machine the wall clock
// also counts the time other processes hold the processor.
class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median) {
                milliseconds[run.run_name.str()] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> milliseconds;
};

void PrintSummary(const std::map<std::string, double>& ms) {
    auto time = [&](const char* name, std::size_t items) {
        const auto found = ms.find(std::string(name) + "/" + std::to_string(items));
        return found == ms.end() ? 0.0 : found->second;
    };
    std::printf("\n%9s %12s %14s %12s %14s %7s %14s\n", "items", "load ms", "load items/s",
                "bare ms", "bare items/s", "ratio", "load us/item");
    for (const auto items : kSizes) {
        const double load = time("Load", items);
        const double bare = time("BareParse", items);
        if (load <= 0 || bare <= 0) continue;
        std::printf("%9zu %12.3f %14.0f %12.3f %14.0f %7.2f %14.2f\n", items, load,
                    1000.0 * static_cast<double>(items) / load, bare,
                    1000.0 * static_cast<double>(items) / bare, load / bare,
                    1000.0 * load / static_cast<double>(items));
    }
    if (time("Load", 10'000) > 0 && time("Load", 100'000) > 0) {
        std::printf("growth 10,000 -> 100,000 items: load x%.2f, bare parse x%.2f (linear: x10)\n",
                    time("Load", 100'000) / time("Load", 10'000),
                    time("BareParse", 100'000) / time("BareParse", 10'000));
    }
    if (time("Load", 10) > 0 && time("Load", 10'000) > 0) {
        std::printf("cost per item at 10 items / at 10,000: x%.2f\n",
                    (time("Load", 10) / 10) / (time("Load", 10'000) / 10'000));
    }
}

}  // namespace
}  // namespace orvantis::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    orvantis::bench::Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    orvantis::bench::PrintSummary(collector.milliseconds);
    return 0;
}
