// The playlist at scale: appending and ticking many entries, and a cursor move
// that has to pass over 100,000 missing files to reach the one that exists.
//   build/bench/playlist_bench

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "app/Unit1.h"
#include "WindowBenchMain.h"

namespace {

void AppendAndTick(benchmark::State& state) {
    const int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<TForm1>();
        state.ResumeTiming();
        for (int i = 0; i < count; ++i) form->l1->SetChecked(form->l1->Add("/home/user/Music/track " + std::to_string(i) + ".mp3"), true);
        vcl::Application->ProcessMessages();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(AppendAndTick)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void SelectNextOverMissingFiles(benchmark::State& state) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "quilby-bench-cursor";
    std::filesystem::create_directories(dir);
    const std::string present = (dir / "present.wav").string();
    std::ofstream(present) << "x";
    TForm1 form;
    for (int i = 0; i < 99999; ++i) form.l1->Add((dir / ("missing " + std::to_string(i) + ".mp3")).string());
    form.l1->Add(present);
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < form.l1->Count(); ++i) form.l1->SetChecked(i, true);
        form.l1->SetItemIndex(-1);
        state.ResumeTiming();
        benchmark::DoNotOptimize(form.selectnext());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(SelectNextOverMissingFiles)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
