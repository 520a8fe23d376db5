// The expression engine: compiling a typed text, evaluating compiled codes, and a graph-like
// loop that evaluates one function at many arguments.
#include <benchmark/benchmark.h>

#include "expr/expression.h"

namespace {

using namespace velt::expr;

const char* kText = "SIN(X)^2+COS(X/3)*A-SQR(ABS(B*X))/(1+EXP(-X))+2^-X";

void BM_CompileText(benchmark::State& state) {
  for (auto _ : state) {
    auto compiled = BuildExpression(kText, 2, 0, kYofX);
    benchmark::DoNotOptimize(compiled);
  }
}
BENCHMARK(BM_CompileText);

void BM_EvaluateCompiled(benchmark::State& state) {
  auto compiled = BuildExpression(kText, 2, 0, kYofX);
  compiled->table[1] = 1.5;
  compiled->table[2] = -2;
  double x = 0;
  for (auto _ : state) {
    x += 1e-3;
    benchmark::DoNotOptimize(
        EvaluatePostfix(compiled->postfix, compiled->table, x, {}, EvalContext{}));
  }
}
BENCHMARK(BM_EvaluateCompiled);

void BM_EvaluateConstantText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(EvaluateConstantText("2*(3+4)^2/7-SIN(PI/6)"));
}
BENCHMARK(BM_EvaluateConstantText);

// A graph of 1,000 samples of the function above.
void BM_ThousandSamples(benchmark::State& state) {
  auto compiled = BuildExpression(kText, 2, 0, kYofX);
  compiled->table[1] = 1.5;
  compiled->table[2] = -2;
  for (auto _ : state) {
    double sum = 0;
    for (int i = 0; i < 1000; ++i) {
      if (EvaluatePostfix(compiled->postfix, compiled->table, -5 + i * 0.01, {}, EvalContext{}))
        sum += compiled->table[0];
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ThousandSamples);

}  // namespace
