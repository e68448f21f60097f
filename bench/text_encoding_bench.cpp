#include <benchmark/benchmark.h>

#include "bench/echoscan_text.h"
#include "common/core/text/text_encoding.h"

namespace {

using undertext::SourceEncoding;
using undertext::TextEncoding;

const std::string* prose() {
    static const auto text = undertext::bench::russianProse(1 << 20);
    return text ? &text.value() : nullptr;
}

// Encodings by number, for the benchmark arguments.
constexpr SourceEncoding kEncodings[] = {{TextEncoding::Windows1251, false},
                                         {TextEncoding::Utf8, false},
                                         {TextEncoding::Utf16Le, true},
                                         {TextEncoding::Koi8R, false}};

// Detection and decoding of 1 MB of Russian prose stored in one encoding, as a
// job reads its source.
void BM_Decode1MB(benchmark::State& state) {
    if (prose() == nullptr) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    const auto encoding = kEncodings[state.range(0)];
    const auto file = undertext::TextEncoder(encoding).encodeFile(*prose());
    for (auto _ : state) {
        const auto decoded = undertext::decodeText(file);
        if (decoded.cp1251.size() != prose()->size()) {
            state.SkipWithError("decoded text differs in length");
            break;
        }
        benchmark::DoNotOptimize(decoded.cp1251.data());
    }
    state.SetLabel(undertext::describeEncoding(encoding));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_Decode1MB)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Encoding 1 MB of Windows-1251 report text back, in the pieces a report is
// written in (one line at a time).
void BM_Encode1MB(benchmark::State& state) {
    if (prose() == nullptr) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    const auto encoding = kEncodings[state.range(0)];
    const undertext::TextEncoder encoder(encoding);
    const std::string_view text = *prose();
    for (auto _ : state) {
        std::string out;
        for (std::size_t pos = 0; pos < text.size(); pos += 72) {
            encoder.append(out, text.substr(pos, 72));
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetLabel(undertext::describeEncoding(encoding));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Encode1MB)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
