// What playing costs: CPU seconds per minute of playback to SDL's dummy output (which plays
// in real time) for MP3, WAV and MIDI, counting every thread of the process (decoding, SDL's
// audio thread), and the resident memory that an open, playing file adds. The first MIDI file
// of a process loads the sound font, which stays loaded; its memory is counted here.
//   build/bench/media_playback_bench       (QUILBY_BENCH_SECONDS: seconds played, default 20)

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "media/MediaPlayer.h"
#include "media_files.h"

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ResidentMiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib / 1024;
        }
    }
    return 0;
}

int PlaySeconds() {
    const char* chosen = std::getenv("QUILBY_BENCH_SECONDS");
    return chosen && std::atoi(chosen) > 0 ? std::atoi(chosen) : 20;
}

void Play(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        media::TMediaPlayer player;
        player.FileName = path;
        const double residentBefore = ResidentMiB();
        const double cpuBefore = CpuSeconds();
        const auto start = Clock::now();
        player.Open();
        player.Play();
        double residentMost = ResidentMiB();
        while (Clock::now() - start < std::chrono::seconds(PlaySeconds())) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            residentMost = std::max(residentMost, ResidentMiB());
        }
        const double cpu = CpuSeconds() - cpuBefore;
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        if (player.Mode() != media::TMPModes::mpPlaying) state.SkipWithError("stopped before the time was up");
        player.Close();
        state.counters["cpu_s_per_min"] = cpu / wall * 60;
        state.counters["rss_added_MiB"] = residentMost - residentBefore;
    }
}

void BM_PlayMp3(benchmark::State& state) { Play(state, media_bench::CbrMp3()); }
void BM_PlayWav(benchmark::State& state) { Play(state, media_bench::Wav()); }
void BM_PlayMidi(benchmark::State& state) { Play(state, media_bench::Midi()); }

BENCHMARK(BM_PlayMp3)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_PlayWav)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_PlayMidi)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // Made before measuring starts.
    media_bench::CbrMp3();
    media_bench::Wav();
    media_bench::Midi();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
