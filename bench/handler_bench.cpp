// SPDX-License-Identifier: GPL-3.0-or-later
// How long the window's handlers take, painting aside. The handlers are called as the
// controls' signals would call them; only the handler is timed. The random numbers come
// from a seeded generator and the message box returns at once.
//
// Each benchmark runs twice: shown:0 with the window never shown, and shown:1 with the
// window shown on the offscreen platform and the repaint that a handler asks for done
// between two timed calls, outside the timing.
#include "content/azbist.h"
#include "window/frmbukv.h"

#include <QApplication>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

constexpr std::uint64_t Seed = 20240601;

// A benchmark whose handler did not do its work fails the whole run.
bool failed = false;

void fail(benchmark::State& state, const char* why)
{
    failed = true;
    state.SkipWithError(why);
}

// A fresh window for each benchmark, so that none inherits another's state.
std::unique_ptr<frmBukv> makeWindow(const benchmark::State& state)
{
    auto source = std::make_shared<RandomSource>();
    source->seed(Seed);
    Services services;
    services.Randomize = [] {};
    services.Rnd = [source] { return source->next(); };
    services.MsgBox = [](const QString&) {};
    auto window = std::make_unique<frmBukv>(services);
    if (state.range(0) == 1) {
        window->show();
        QCoreApplication::processEvents();
    }
    return window;
}

// Times one handler call; on a shown window, then lets the window repaint, untimed.
template <typename Step> void timed(benchmark::State& state, Step&& step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    const auto stop = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    if (state.range(0) == 1)
        QCoreApplication::processEvents();
}

void modes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgName("shown")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);
}

// A click on an unframed letter: the study of a new letter, with its meanings shuffled.
// Two letters take turns, so that each click finds its letter unframed.
void StudyClick(benchmark::State& state)
{
    auto w = makeWindow(state);
    const int letters[] = {5, 30};
    int turn = 0;
    for (auto _ : state) {
        timed(state, [&] { w->imgBukv_Click(letters[turn]); });
        turn ^= 1;
    }
    const int last = letters[turn ^ 1];
    if (w->imgBukv[last]->borderStyle() != 1 || w->Last != last || w->lblObraz->text().isEmpty())
        fail(state, "the click did not select the letter");
}
BENCHMARK(StudyClick)->Apply(modes);

// The first click on a letter after start, on a shown window: its name picture is decoded
// as it is first shown. Each round starts a new window, untimed.
void StudyClickFirst(benchmark::State& state)
{
    int letter = 0;
    for (auto _ : state) {
        auto w = makeWindow(state);
        letter = letter % 48 + 1;
        timed(state, [&] { w->imgBukv_Click(letter); });
    }
}
BENCHMARK(StudyClickFirst)
    ->ArgName("shown")
    ->Arg(1)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// In alphabet-truths mode, a hover that moves the framed line from one row to another.
void HoverNewLine(benchmark::State& state)
{
    auto w = makeWindow(state);
    w->cmdAzbIst_Click();
    w->optDirect[0]->setChecked(true);
    const int letters[] = {3, 24}; // rows 0 and 3
    int turn = 0;
    for (auto _ : state) {
        timed(state, [&] { w->imgBukv_MouseMove(letters[turn]); });
        turn ^= 1;
    }
    const int last = letters[turn ^ 1];
    if (w->imgBukv[last - last % 7 + 6]->borderStyle() != 1 || w->lblAzbIst->text().isEmpty())
        fail(state, "the hover did not frame the row");
}
BENCHMARK(HoverNewLine)->Apply(modes);

// In alphabet-truths mode, a hover over a letter of the line already framed.
void HoverFramed(benchmark::State& state)
{
    auto w = makeWindow(state);
    w->cmdAzbIst_Click();
    w->optDirect[0]->setChecked(true);
    w->imgBukv_MouseMove(3);
    if (w->imgBukv[4]->borderStyle() != 1)
        fail(state, "the hover framed no row");
    const int letters[] = {3, 4};
    int turn = 0;
    for (auto _ : state) {
        timed(state, [&] { w->imgBukv_MouseMove(letters[turn]); });
        turn ^= 1;
    }
}
BENCHMARK(HoverFramed)->Apply(modes);

// A click on «Провериться»: a question drawn and shown. The right answer, clicked after
// it untimed, puts the window back into study for the next round.
void QuestionStart(benchmark::State& state)
{
    auto w = makeWindow(state);
    for (auto _ : state) {
        timed(state, [&] { w->cmdCheck_Click(); });
        if (!w->Check || w->Rand < 1 || w->lblObraz->text().isEmpty()) {
            fail(state, "the click asked no question");
            break;
        }
        w->imgBukv_Click(w->Rand);
    }
    if (w->Check)
        fail(state, "the answer did not end the question");
}
BENCHMARK(QuestionStart)->Apply(modes);

// The answer to a question, right and wrong by turns; only the answering click is timed.
void Answer(benchmark::State& state)
{
    auto w = makeWindow(state);
    bool right = true;
    for (auto _ : state) {
        w->cmdCheck_Click();
        const int letter = right ? w->Rand : (w->Rand % 48) + 1;
        timed(state, [&] { w->imgBukv_Click(letter); });
        right = !right;
    }
    if (w->Check)
        fail(state, "the answer did not end the question");
}
BENCHMARK(Answer)->Apply(modes);

} // namespace

int main(int argc, char** argv)
{
    // Nothing needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Medians of 15 repetitions unless the command line says otherwise: later flags win.
    std::vector<char*> args{argv[0]};
    char repetitions[] = "--benchmark_repetitions=15";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    char minTime[] = "--benchmark_min_time=0.05";
    args.insert(args.end(), {repetitions, aggregates, minTime});
    args.insert(args.end(), argv + 1, argv + argc);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return failed ? 1 : 0;
}
