// Loading and saving a playlist of 100,000 entries whose files exist. Loading is
// measured beside its floor, the existence test of the same 100,000 paths alone;
// saving includes flushing the file to disk and putting it in place.
//   build/bench/playlist_file_bench --benchmark_repetitions=9

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "vcl/Dialogs.h"
#include "vcl/FileUtils.h"
#include "WindowBenchMain.h"

namespace {

constexpr int Entries = 100000;

// A folder of 100,000 small files and a playlist file naming each of them.
struct Library {
    std::filesystem::path dir;
    std::vector<std::string> paths;
    std::string list;

    Library() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quilby-bench-list-XXXXXX").string();
        dir = mkdtemp(pattern.data());
        std::string content;
        for (int i = 0; i < Entries; ++i) {
            paths.push_back((dir / ("Artist " + std::to_string(i % 97) + " - Track " + std::to_string(i) + ".mp3")).string());
            close(open(paths.back().c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
            content += paths.back() + "\r\n";
        }
        list = (dir / "list.qpl").string();
        const int fd = open(list.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (write(fd, content.data(), content.size()) != ssize_t(content.size())) abort();
        close(fd);
    }
    ~Library() { std::filesystem::remove_all(dir); }
};

Library& Files() {
    static Library library;
    return library;
}

// Answers every dialog with one path.
struct Answer : vcl::FileDialogService {
    std::string path;
    vcl::FileDialogAnswer Run(const vcl::FileDialogRequest&) override { return {true, {path}, 1}; }
};

void ExistenceOnly(benchmark::State& state) {
    const Library& files = Files();
    for (auto _ : state) {
        int found = 0;
        for (const std::string& path : files.paths) found += vcl::FileExists(path);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(ExistenceOnly)->Unit(benchmark::kMillisecond);

void Load(benchmark::State& state) {
    Answer answer;
    answer.path = Files().list;
    vcl::SetFileDialogService(&answer);
    TForm1 form;
    for (auto _ : state) {
        state.PauseTiming();
        form.l1->Clear();
        state.ResumeTiming();
        form.LoadButtonClick(&form);
    }
    if (form.l1->Count() != Entries) state.SkipWithError("not every entry was loaded");
    vcl::SetFileDialogService(nullptr);
}
BENCHMARK(Load)->Unit(benchmark::kMillisecond);

void Save(benchmark::State& state) {
    Answer answer;
    answer.path = (Files().dir / "saved.qpl").string();
    vcl::SetFileDialogService(&answer);
    TForm1 form;
    for (const std::string& path : Files().paths) form.l1->SetChecked(form.l1->Add(path), true);
    for (auto _ : state) form.SaveButtonClick(&form);
    if (std::filesystem::file_size(answer.path) != std::filesystem::file_size(Files().list))
        state.SkipWithError("the saved file differs in size");
    vcl::SetFileDialogService(nullptr);
}
BENCHMARK(Save)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv, [] { Files(); }); }
