// Peak resident memory of loading the 100,000-item document through LoadXML, against the
// document's size. Linux only: it reads and resets the peak through /proc.

#include <malloc.h>

#include <cstdio>
#include <string>

#include "DocumentLoader.hpp"
#include "ItemDocument.hpp"
#include "ProcessMemory.hpp"
#include "automation/Unicode.hpp"

namespace {

using orvantis::bench::ResetPeak;
using orvantis::bench::StatusBytes;


double Mb(long long bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

}  // namespace

int main(int argc, char** argv) {
    const std::size_t items = argc > 1 ? std::stoul(argv[1]) : 100'000;
    const long long atStart = StatusBytes("VmRSS");
    long long documentBytes = 0;
    orvantis::Variant document;
    {
        std::string utf8 = orvantis::bench::GenerateItemDocument(items);
        documentBytes = static_cast<long long>(utf8.size());
        document = orvantis::Variant(*orvantis::WideFromUtf8(utf8));
    }
    malloc_trim(0);  // the generator's buffers are gone; only the host's text stays
    const long long beforeLoad = StatusBytes("VmRSS");
    const bool peakReset = ResetPeak();

    orvantis::bench::DocumentLoader loader;
    const bool loaded = loader.Load(document);
    const long long peak = StatusBytes("VmHWM");

    const long long hostText = beforeLoad - atStart;
    const long long loadPeak = peak - beforeLoad;
    std::printf("items:                         %zu (%s)\n", items, loaded ? "loaded" : "NOT LOADED");
    std::printf("document (UTF-8):              %8.1f MB\n", Mb(documentBytes));
    std::printf("host's text, resident:         %8.1f MB (%.2f x document)\n", Mb(hostText),
                static_cast<double>(hostText) / static_cast<double>(documentBytes));
    std::printf("peak added by the load:        %8.1f MB (%.2f x document)%s\n", Mb(loadPeak),
                static_cast<double>(loadPeak) / static_cast<double>(documentBytes),
                peakReset ? "" : " [peak not reset: includes the generation]");
    std::printf("peak of the process, resident: %8.1f MB (%.2f x document)\n", Mb(peak),
                static_cast<double>(peak) / static_cast<double>(documentBytes));
    return loaded ? 0 : 1;
}
