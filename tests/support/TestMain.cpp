// Every test program runs offscreen with the dummy audio driver and one application object.
#include <gtest/gtest.h>
#include <cstdlib>

#include "vcl/Application.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    vcl::TApplication application(argc, argv);
    application.Title = "Quilby MP3 Player";
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
