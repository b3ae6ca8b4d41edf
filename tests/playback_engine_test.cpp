// Playback end to end: the window plays real WAV files through the engine to
// SDL's dummy output, which plays in real time, and moves on by itself.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "support/Fixtures.h"
#include "support/FormFixture.h"
#include "vcl/Application.h"

using namespace std::chrono_literals;

namespace {

class EndToEnd : public FormFixture {
protected:
    // Runs the event loop, as the program does, until the condition holds.
    bool RunUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit = 10s) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!condition()) {
            if (std::chrono::steady_clock::now() > end) return false;
            vcl::Application->ProcessMessages();
            std::this_thread::sleep_for(2ms);
        }
        return true;
    }
    std::string Title() const { return form->Caption(); }
};

TEST_F(EndToEnd, PlaysTheTickedFilesInTurnAndWrapsAround) {
    const std::string first = fixtures::WriteWav(dir / "first.wav", 1200);
    const std::string second = fixtures::WriteWav(dir / "second.wav", 300);
    form->l1->SetChecked(form->l1->Add(first), true);
    form->l1->SetChecked(form->l1->Add(second), true);
    form->l1->SetItemIndex(0);

    vcl::Application->Dispatch([&] { form->PlayButton->Click(); });
    EXPECT_EQ(Title(), "Quilby MP3 Player: Playing:  first.wav");
    EXPECT_EQ(form->Progress->Max(), 1200);
    EXPECT_TRUE(RunUntil([&] { return form->Progress->Position() > 0; })) << "the bar never moved";
    EXPECT_LT(form->Progress->Position(), 1200);

    EXPECT_TRUE(RunUntil([&] { return Title() == "Quilby MP3 Player: Playing:  second.wav"; })) << Title();
    EXPECT_EQ(form->l1->ItemIndex(), 1);
    EXPECT_EQ(form->Progress->Max(), 300);

    EXPECT_TRUE(RunUntil([&] { return Title() == "Quilby MP3 Player: Playing:  first.wav"; })) << Title();
    EXPECT_EQ(form->l1->ItemIndex(), 0);
    EXPECT_TRUE(form->Timer1->Enabled());
    EXPECT_TRUE(boxes.boxes.empty());

    vcl::Application->Dispatch([&] { form->StopButton->Click(); });
    EXPECT_EQ(Title(), "Quilby MP3 Player");
    EXPECT_FALSE(form->play1->IsOpen());
}

}  // namespace
