// The silence between two tracks when one ends and the monitor moves on to the
// next: the main window plays 20 short WAV files of different lengths through the
// engine to SDL's dummy output (real time), and every advance is timed from the
// moment the device reports the end of its track (position = length: its last
// sound has gone to the output) to the moment the next device reports sound taken
// by the output (position > 0). The gap is split into the wait for the monitor's
// 500 ms poll, the close of the finished device, the open of the next file, and
// the time until the output first takes its sound.
//   SDL_AUDIODRIVER=dummy build/bench/playback_gap_bench

#include <benchmark/benchmark.h>
#include <sndfile.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <thread>
#include <vector>

#include "app/Unit1.h"
#include "WindowBenchMain.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kAdvances = 20;

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Max(const std::vector<double>& values) { return *std::max_element(values.begin(), values.end()); }

// A mono 44.1 kHz tone of the given length.
void WriteTone(const std::string& path, int millis) {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    std::vector<short> frames(std::size_t(millis) * 441 / 10);
    for (std::size_t i = 0; i < frames.size(); ++i) frames[i] = short(6000 * std::sin(i * 0.0627));
    sf_writef_short(file, frames.data(), sf_count_t(frames.size()));
    sf_close(file);
}

// The engine's devices, with the time each open takes.
class TimedFactory : public media::DeviceFactory {
public:
    std::unique_ptr<media::Device> open(const std::string& path, std::string& error) override {
        const Clock::time_point start = Clock::now();
        std::unique_ptr<media::Device> device = media::RealDeviceFactory().open(path, error);
        opens.push_back({start, Clock::now()});
        return device;
    }
    struct Open {
        Clock::time_point start, end;
    };
    std::vector<Open> opens;
};

void EndOfTrackGap(benchmark::State& state) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "quilby-bench-gap";
    std::filesystem::create_directories(dir);
    TForm1 form;
    TimedFactory factory;
    form.play1->SetDeviceFactory(&factory);
    std::vector<Clock::time_point> ticks;
    const vcl::TNotifyEvent monitor = form.Timer1->OnTimer;
    form.Timer1->OnTimer = [&](vcl::TObject* sender) {
        ticks.push_back(Clock::now());
        monitor(sender);
    };
    // Lengths 23 ms apart spread the ends over the monitor's poll.
    for (int i = 0; i < kAdvances; ++i) {
        const std::string path = (dir / ("track" + std::to_string(i) + ".wav")).string();
        WriteTone(path, 300 + 23 * i);
        form.l1->SetChecked(form.l1->Add(path), true);
    }

    std::vector<double> gaps, waits, closes, opens, starts;
    for (auto _ : state) {
        gaps.clear(), waits.clear(), closes.clear(), opens.clear(), starts.clear();
        factory.opens.clear();
        form.l1->SetItemIndex(0);
        vcl::Application->Dispatch([&] { form.PlayButton->Click(); });
        std::string playing = form.play1->FileName;
        Clock::time_point ended{};
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(60);
        while (int(gaps.size()) < kAdvances && Clock::now() < deadline) {
            vcl::Application->ProcessMessages();
            if (!form.play1->IsOpen()) {
                std::this_thread::sleep_for(std::chrono::microseconds(200));
                continue;
            }
            const Clock::time_point now = Clock::now();
            if (form.play1->FileName == playing) {
                if (ended == Clock::time_point{} && form.play1->Position() == form.play1->Length()) ended = now;
            } else if (form.play1->Position() > 0 && ended != Clock::time_point{}) {
                const TimedFactory::Open& open = factory.opens.back();
                const Clock::time_point tick = ticks.back();  // the tick that moved on
                gaps.push_back(Millis(now - ended));
                waits.push_back(Millis(tick - ended));
                closes.push_back(Millis(open.start - tick));
                opens.push_back(Millis(open.end - open.start));
                starts.push_back(Millis(now - open.end));
                playing = form.play1->FileName;
                ended = {};
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        vcl::Application->Dispatch([&] { form.StopButton->Click(); });
        if (int(gaps.size()) < kAdvances) {
            state.SkipWithError("playback did not move on by itself");
            break;
        }
    }
    std::filesystem::remove_all(dir);
    if (gaps.empty()) return;
    state.counters["gap_median_ms"] = Median(gaps);
    state.counters["gap_max_ms"] = Max(gaps);
    state.counters["poll_wait_median_ms"] = Median(waits);
    state.counters["poll_wait_max_ms"] = Max(waits);
    state.counters["close_median_ms"] = Median(closes);
    state.counters["close_max_ms"] = Max(closes);
    state.counters["open_median_ms"] = Median(opens);
    state.counters["open_max_ms"] = Max(opens);
    state.counters["first_sound_median_ms"] = Median(starts);
    state.counters["first_sound_max_ms"] = Max(starts);
}
BENCHMARK(EndOfTrackGap)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
