// The main window as it comes up: its frame, every component in its place, and
// what the window does when a file is handed over while it is minimised.

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QWidget>

#include "support/FormFixture.h"
#include "vcl/Application.h"

namespace {

class MainWindow : public FormFixture {};

TEST_F(MainWindow, FixedBlackWindowAtItsPlace) {
    QWidget* window = form->Widget();
    EXPECT_EQ(form->Caption(), "Quilby MP3 Player");
    EXPECT_EQ(window->size(), QSize(465, 567));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->pos(), QPoint(207, 69));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(form->Color(), vcl::clBlack);
}


TEST_F(MainWindow, CommandLabelsAtTheirPlacesInWhite) {
    struct Command {
        TUrlText* TForm1::*field;
        const char* caption;
        int left, top, tabOrder;
    };
    const Command commands[] = {
        {&TForm1::OpenButton, "Get Music...", 8, 392, 3},
        {&TForm1::sa1, "Select all", 128, 392, 8},
        {&TForm1::MoveUpbutton, "Move Up", 232, 392, 9},
        {&TForm1::RemoveButton, "Remove", 360, 392, 11},
        {&TForm1::LoadButton, "Load Playlist...", 8, 408, 12},
        {&TForm1::usa1, "Unselect All", 128, 408, 2},
        {&TForm1::MoveDownButton, "Move Down", 232, 408, 10},
        {&TForm1::SaveButton, "Save Playlist...", 8, 424, 13},
        {&TForm1::PlayButton, "Play", 8, 456, 5},
        {&TForm1::PauseButton, "Pause", 72, 456, 6},
        {&TForm1::StopButton, "Stop", 144, 456, 7},
        {&TForm1::SkipNextButton, "Skip Next ->", 216, 456, 15},
        {&TForm1::SkipPreviousButton, "<- Skip Previous", 304, 456, 16},
    };
    for (const Command& c : commands) {
        TUrlText* label = (*form).*c.field;
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(label->Caption(), c.caption);
        EXPECT_EQ(label->Left(), c.left);
        EXPECT_EQ(label->Top(), c.top);
        EXPECT_EQ(label->TabOrder(), c.tabOrder);
        EXPECT_EQ(label->Font()->Color(), vcl::clWhite);
        EXPECT_EQ(label->Font()->Height(), 11);
        EXPECT_EQ(label->Font()->Style(), 0u);
        EXPECT_TRUE(label->Enabled());
    }
}

TEST_F(MainWindow, OtherControls) {
    EXPECT_EQ(form->l1->Left(), 0);
    EXPECT_EQ(form->l1->Width(), 465);
    EXPECT_EQ(form->l1->Height(), 377);
    EXPECT_EQ(form->Progress->Top(), 480);
    EXPECT_EQ(form->Progress->Width(), 449);
    EXPECT_EQ(form->Progress->Max(), 0);
    EXPECT_EQ(form->Progress->BarColor(), vcl::clRed);
    EXPECT_EQ(form->Edit1->Text(), "Music");
    EXPECT_EQ(form->Edit1->Font()->Color(), vcl::clMaroon);
    EXPECT_EQ(form->UrlText3->Caption(), "Search");
    EXPECT_EQ(form->UrlText3->Font()->Height(), 13);
    EXPECT_EQ(form->UrlText3->Font()->Color(), vcl::clSkyBlue);
    EXPECT_EQ(form->UrlText1->Caption(), "Burn your DVD's to CD!");
    EXPECT_EQ(form->UrlText1->Font()->Color(), vcl::clYellow);
    EXPECT_EQ(form->UrlText2->Caption(), "Download unlimited MP3's");
    EXPECT_EQ(form->UrlText2->Font()->Color(), vcl::clAqua);
    EXPECT_EQ(form->mail->Font()->Color(), vcl::clLime);
    EXPECT_EQ(form->mail->Caption().rfind("\xC2\xA9", 0), 0u) << "the notice starts with the copyright sign";
    EXPECT_NE(form->mail->Caption().substr(2, 1), " ");
    EXPECT_EQ(form->Bevel2->Top(), 384);
    EXPECT_EQ(form->Bevel1->Top(), 440);
}

TEST_F(MainWindow, NonVisualComponents) {
    EXPECT_FALSE(form->play1->AutoRewind);
    EXPECT_FALSE(form->play1->IsOpen());
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_EQ(form->Timer1->Interval(), 500);
    EXPECT_FALSE(form->t2->Enabled());
    EXPECT_EQ(form->t2->Interval(), 750);
    EXPECT_EQ(form->open1->FileName, "*.mp3");
    EXPECT_EQ(form->open1->DefaultExt, "mp3");
    EXPECT_TRUE(form->open1->Options & vcl::ofAllowMultiSelect);
    EXPECT_EQ(form->OD2->Title, "Load a playlist");
    EXPECT_EQ(form->OD2->FileName, "");
    EXPECT_EQ(form->sd1->Title, "Save Playlist");
    EXPECT_EQ(form->sd1->FileName, "*.qpl");
    EXPECT_EQ(form->sd1->Filter, "Quilby Playlist files|*.qpl");
}

TEST_F(MainWindow, ToFrontRestoresAMinimisedWindow) {
    form->Show();
    form->Minimize();
    vcl::Application->ProcessMessages();
    form->ToFront();
    vcl::Application->ProcessMessages();
    EXPECT_FALSE(form->Minimized());
    EXPECT_TRUE(form->Visible());
}

TEST_F(MainWindow, ErrorReportAppendsAFullStopOnlyAfterLaterCharacters) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {{"File not found", "File not found."},
                 {"Done.", "Done."},
                 {"Really?!", "Really?!"},
                 {"Count (5)", "Count (5)"},
                 {"x -", "x -"},
                 {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(vcl::ErrorReportText(c.message), c.shown) << c.message;

    vcl::Application->Dispatch([] { throw std::runtime_error("File access denied"); });
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "File access denied.");
    EXPECT_EQ(boxes.boxes[0].caption, "Quilby MP3 Player");
    EXPECT_EQ(boxes.boxes[0].icon, vcl::TMsgIcon::Stop);
}

}  // namespace
