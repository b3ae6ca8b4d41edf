#pragma once
// The main of a benchmark that makes main windows: an offscreen application
// object, the dummy audio driver, the command line of a start with no file.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include "vcl/Application.h"
#include "vcl/Params.h"

inline int RunWindowBenchmarks(int argc, char** argv, void (*prepare)() = nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    vcl::TApplication application(argc, argv);
    vcl::SetCmdLine("QuilbyMP3Player");
    benchmark::Initialize(&argc, argv);
    if (prepare) prepare();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
