// Decoding and opening MP3 files through the engine.
//  - Decode throughput of a 5-minute 128 kbit/s MP3 through the engine's decoder (no output),
//    beside `mpg123 -t` (decode only) on the same file in the same run. Both are timed in CPU
//    seconds (the engine's own, mpg123's as a child process), which other work on a shared
//    machine disturbs far less than the wall clock; the wall time is a counter beside it. The
//    ratio of the two medians is printed last (above 1: the engine decodes faster).
//  - Open latency of the media player (decoder and SDL output, dummy driver) on that file and
//    on a 10-minute VBR MP3.
//   build/bench/media_decode_bench        (mpg123 must be installed for the comparison)

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "media/MediaPlayer.h"
#include "media/SourceFactory.h"
#include "media_files.h"

namespace {

constexpr double kCbrSeconds = 300;

using Clock = std::chrono::steady_clock;

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Counts one decode of the 5-minute file taking `cpu` seconds, `wall` on the clock.
void Count(benchmark::State& state, double cpu, Clock::duration wall) {
    state.SetIterationTime(cpu);
    state.counters["x_realtime"] = kCbrSeconds / cpu;
    state.counters["wall_ms"] = std::chrono::duration<double, std::milli>(wall).count();
}

void BM_EngineDecode5minMp3(benchmark::State& state) {
    const std::string path = media_bench::CbrMp3();
    std::vector<float> buffer;
    long long frames = 0;
    for (auto _ : state) {
        const double cpu = ThreadCpuSeconds();
        const auto start = Clock::now();
        std::string error;
        std::unique_ptr<media::Source> source = media::OpenSource(path, error);
        if (!source) {
            state.SkipWithError(error.c_str());
            return;
        }
        buffer.resize(std::size_t(4096 * source->channels()));
        frames = 0;
        while (const long got = source->read(buffer.data(), 4096)) frames += got;
        Count(state, ThreadCpuSeconds() - cpu, Clock::now() - start);
    }
    state.counters["frames"] = double(frames);
}
BENCHMARK(BM_EngineDecode5minMp3)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(7);

void BM_Mpg123Decode5minMp3(benchmark::State& state) {
    const std::string command = "mpg123 -q -t '" + media_bench::CbrMp3() + "'";
    if (std::system("command -v mpg123 >/dev/null") != 0) {
        state.SkipWithError("mpg123 is not installed");
        return;
    }
    for (auto _ : state) {
        const double cpu = ChildrenCpuSeconds();
        const auto start = Clock::now();
        if (std::system(command.c_str()) != 0) state.SkipWithError("mpg123 failed");
        Count(state, ChildrenCpuSeconds() - cpu, Clock::now() - start);
    }
}
BENCHMARK(BM_Mpg123Decode5minMp3)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(7);

// Open alone is timed; closing waits for SDL to drain its output, which is not part of it.
void OpenLatency(benchmark::State& state, const std::string& path) {
    media::TMediaPlayer player;
    player.FileName = path;
    for (auto _ : state) {
        const auto start = Clock::now();
        player.Open();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        player.Close();
    }
}

void BM_Open5minCbrMp3(benchmark::State& state) { OpenLatency(state, media_bench::CbrMp3()); }
BENCHMARK(BM_Open5minCbrMp3)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20)->Repetitions(3);

void BM_Open10minVbrMp3(benchmark::State& state) { OpenLatency(state, media_bench::VbrMp3()); }
BENCHMARK(BM_Open10minVbrMp3)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20)->Repetitions(3);

// Keeps the medians of repeated benchmarks, to set the engine beside mpg123.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.aggregate_name == "median") medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // Made before timing starts: the first run would otherwise include encoding them.
    media_bench::CbrMp3();
    media_bench::VbrMp3();
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto engine = reporter.medians.find("BM_EngineDecode5minMp3");
    const auto mpg123 = reporter.medians.find("BM_Mpg123Decode5minMp3");
    if (engine != reporter.medians.end() && mpg123 != reporter.medians.end()) {
        std::printf("Engine decode speed relative to mpg123 -t (medians of CPU time): %.2fx\n", mpg123->second / engine->second);
    }
    return 0;
}
