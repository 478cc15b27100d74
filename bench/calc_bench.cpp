// Formula parsing and evaluation speed: the extended-precision evaluator
// against the same formulas compiled as native long double code (the floor for
// 80-bit arithmetic) and against muparser (double precision).

#include "core/calc/calcexpress.h"
#include "core/calc/evaluationcommands.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace {

using varnik::CalcExpress;

// Variables in the order the evaluator receives them.
enum { Pi, R, X, Y, VarCount };

struct Formula {
    const char* name;
    const char* text;     // evaluator syntax
    const char* muparser; // the same in muparser syntax
    long double (*native)(const long double* v);
};

// Native code with the evaluator's own definitions (a power is exp(y*ln(x))).
const Formula kFormulas[] = {
    {"anchor", "pi*r^2 + sin(x)/cos(x) - sqrt(abs(y))*2.5", "pi*r^2 + sin(x)/cos(x) - sqrt(abs(y))*2.5",
     [](const long double* v) {
         return v[Pi] * std::exp(2 * std::log(v[R])) + std::sin(v[X]) / std::cos(v[X]) -
                std::sqrt(std::fabs(v[Y])) * 2.5L;
     }},
    {"anchor_square_as_product", "pi*r*r + sin(x)/cos(x) - sqrt(abs(y))*2.5",
     "pi*r*r + sin(x)/cos(x) - sqrt(abs(y))*2.5",
     [](const long double* v) {
         return v[Pi] * v[R] * v[R] + std::sin(v[X]) / std::cos(v[X]) - std::sqrt(std::fabs(v[Y])) * 2.5L;
     }},
    {"arithmetic", "x*y + r/2 - 3*x", "x*y + r/2 - 3*x",
     [](const long double* v) { return v[X] * v[Y] + v[R] / 2 - 3 * v[X]; }},
    {"rational", "(x+1)*(y-2)/(r+3) + 2.5*x - y/7", "(x+1)*(y-2)/(r+3) + 2.5*x - y/7",
     [](const long double* v) { return (v[X] + 1) * (v[Y] - 2) / (v[R] + 3) + 2.5L * v[X] - v[Y] / 7; }},
    {"gauss", "exp(-x*x/2)/sqrt(2*pi)", "exp(-x*x/2)/sqrt(2*pi)",
     [](const long double* v) { return std::exp(-(v[X] * v[X] / 2)) / std::sqrt(2 * v[Pi]); }},
    {"hypot", "sqrt(x*x + y*y) + abs(r - x)", "sqrt(x*x + y*y) + abs(r - x)",
     [](const long double* v) { return std::sqrt(v[X] * v[X] + v[Y] * v[Y]) + std::fabs(v[R] - v[X]); }},
};

// Changing values: r > 0, cos(x) away from 0.
std::vector<long double> valueSets()
{
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> r(0.5, 10), x(-1.4, 1.4), y(-100, 100);
    std::vector<long double> sets;
    for (int i = 0; i < 1024; ++i)
        sets.insert(sets.end(), {std::numbers::pi_v<long double>, r(rng), x(rng), y(rng)});
    return sets;
}

const std::vector<long double>& sets()
{
    static const std::vector<long double> s = valueSets();
    return s;
}

void evalVarnik(benchmark::State& state, const Formula* f)
{
    CalcExpress c;
    c.setVariables({"pi", "r", "x", "y"});
    c.setFormula(QString::fromLatin1(f->text));
    const long double* v = sets().data();
    size_t i = 0;
    for (auto _ : state) {
        const long double result = c.calc(std::span(v + i * VarCount, VarCount));
        benchmark::DoNotOptimize(result);
        i = (i + 1) & 1023;
    }
    state.SetItemsProcessed(state.iterations());
}

void evalNative(benchmark::State& state, const Formula* f)
{
    const long double* v = sets().data();
    size_t i = 0;
    for (auto _ : state) {
        const long double* values = v + i * VarCount;
        benchmark::DoNotOptimize(values);
        const long double result = f->native(values);
        benchmark::DoNotOptimize(result);
        i = (i + 1) & 1023;
    }
    state.SetItemsProcessed(state.iterations());
}

void evalMuparser(benchmark::State& state, const Formula* f)
{
    double pi = std::numbers::pi, r = 0, x = 0, y = 0;
    mu::Parser p;
    p.DefineVar("pi", &pi);
    p.DefineVar("r", &r);
    p.DefineVar("x", &x);
    p.DefineVar("y", &y);
    p.SetExpr(f->muparser);
    const long double* v = sets().data();
    size_t i = 0;
    for (auto _ : state) {
        const long double* values = v + i * VarCount;
        r = double(values[R]);
        x = double(values[X]);
        y = double(values[Y]);
        benchmark::DoNotOptimize(p.Eval());
        i = (i + 1) & 1023;
    }
    state.SetItemsProcessed(state.iterations());
}

void parseVarnik(benchmark::State& state, const Formula* f)
{
    CalcExpress c;
    c.setVariables({"pi", "r", "x", "y"});
    const QString text = QString::fromLatin1(f->text);
    for (auto _ : state)
        c.setFormula(text);
    state.SetItemsProcessed(state.iterations());
}

void parseMuparser(benchmark::State& state, const Formula* f)
{
    double pi = std::numbers::pi, r = 1, x = 0, y = 0;
    mu::Parser p;
    p.DefineVar("pi", &pi);
    p.DefineVar("r", &r);
    p.DefineVar("x", &x);
    p.DefineVar("y", &y);
    for (auto _ : state) {
        p.SetExpr(f->muparser);
        benchmark::DoNotOptimize(p.Eval()); // muparser parses at the first evaluation
    }
    state.SetItemsProcessed(state.iterations());
}

// A selection of assignment and formula lines: time per line should not grow with the size.
void evaluateSelection(benchmark::State& state)
{
    QString text;
    const auto lines = state.range(0);
    for (int64_t i = 0; i < lines; ++i)
        text += i % 100 == 0 ? QStringLiteral("k%1 = %1\n").arg(i / 100)
                             : QStringLiteral("k%1*2+sin(%2)/3 =\n").arg(i / 100).arg(i % 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(varnik::evaluateExpressions(text, u'.'));
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(evaluateSelection)->Name("selection/lines")->Arg(10000)->Arg(100000)->Arg(400000)->Unit(benchmark::kMillisecond);

const int kRegistered = [] {
    for (const Formula& f : kFormulas) {
        const std::string n = f.name;
        benchmark::RegisterBenchmark(("eval/native/" + n).c_str(), evalNative, &f);
        benchmark::RegisterBenchmark(("eval/varnik/" + n).c_str(), evalVarnik, &f);
        benchmark::RegisterBenchmark(("eval/muparser/" + n).c_str(), evalMuparser, &f);
        benchmark::RegisterBenchmark(("parse/varnik/" + n).c_str(), parseVarnik, &f);
        benchmark::RegisterBenchmark(("parse/muparser/" + n).c_str(), parseMuparser, &f);
    }
    return 0;
}();

} // namespace

BENCHMARK_MAIN();
