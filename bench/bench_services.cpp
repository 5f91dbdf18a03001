#include "services/random.h"
#include "services/text.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

// What a child types into an answer box, and what a careless paste drops
// into one: the reader must stay quick on the first and linear on the second.
const std::string shortAnswer = "42";
const std::string negativeAnswer = "-7";
const std::string fullWidthAnswer = "\xA3\xB1\xA3\xB2";  // "１２" in GBK
const std::string megabyteOfDigits(1 << 20, '7');
const std::string megabyteOfLetters(1 << 20, 'x');
const std::string megabyteFraction = "0." + std::string(1 << 20, '7');  // in range

void BM_ToNumber(benchmark::State &state, const std::string *text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ToNumber(*text));
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text->size()));
}

// The C library's reader on the same texts, for comparison; it reads no
// full-width digits, so "１２" stops it at once.
void BM_Strtod(benchmark::State &state, const std::string *text)
{
    const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    for (auto _ : state)
        benchmark::DoNotOptimize(strtod_l(text->c_str(), nullptr, cLocale));
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text->size()));
    freelocale(cLocale);
}

void BM_RandomInteger(benchmark::State &state)
{
    SetRandomState(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(RandomInteger(1, 100));
}

}  // namespace

BENCHMARK_CAPTURE(BM_ToNumber, short_42, &shortAnswer);
BENCHMARK_CAPTURE(BM_ToNumber, short_minus_7, &negativeAnswer);
BENCHMARK_CAPTURE(BM_ToNumber, full_width_12, &fullWidthAnswer);
BENCHMARK_CAPTURE(BM_ToNumber, megabyte_of_digits, &megabyteOfDigits);
BENCHMARK_CAPTURE(BM_ToNumber, megabyte_of_letters, &megabyteOfLetters);
BENCHMARK_CAPTURE(BM_ToNumber, megabyte_fraction, &megabyteFraction);
BENCHMARK_CAPTURE(BM_Strtod, short_42, &shortAnswer);
BENCHMARK_CAPTURE(BM_Strtod, short_minus_7, &negativeAnswer);
BENCHMARK_CAPTURE(BM_Strtod, full_width_12, &fullWidthAnswer);
BENCHMARK_CAPTURE(BM_Strtod, megabyte_of_digits, &megabyteOfDigits);
BENCHMARK_CAPTURE(BM_Strtod, megabyte_of_letters, &megabyteOfLetters);
BENCHMARK_CAPTURE(BM_Strtod, megabyte_fraction, &megabyteFraction);
BENCHMARK(BM_RandomInteger);

BENCHMARK_MAIN();
