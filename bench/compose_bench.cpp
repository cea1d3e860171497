// The time to compose a statement against the message's length: linear, one allocation of the
// final size. Reported as bytes of message per second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "hint.h"

namespace {

// A message of the given length in UTF-8 mixing one-, two- and three-byte characters, the way
// hints in several languages look; cut at a byte, which the statement copies unchanged.
std::string messageOf(std::size_t bytes) {
  static const std::string pattern = "Reach the bridge \xC3\xA9t\xC3\xA9 \xE6\xA9\x8B ";
  std::string text;
  text.reserve(bytes);
  while (text.size() < bytes)
    text.append(pattern, 0, std::min(pattern.size(), bytes - text.size()));
  return text;
}

void BM_ComposeHintStatement(benchmark::State& state) {
  const auto bytes = static_cast<std::size_t>(state.range(0));
  zozi::HintSettings settings;
  settings.textMode = zozi::TextMode::Standard;
  settings.texts = {messageOf(bytes), "1.0", "0.5", "0.0", "1.0"};
  settings.iconName = "taskDone";
  for (auto _ : state) {
    auto statement = zozi::composeHintStatement(settings);
    benchmark::DoNotOptimize(statement);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes));
  state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_ComposeHintStatement)
    ->RangeMultiplier(4)
    ->Range(16, 1 << 20)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
