#include "support/PlaybackFixture.h"

#include "vcl/Application.h"

void PlaybackFixture::SetUp() {
    FormFixture::SetUp();
    form->play1->SetDeviceFactory(&media);
}

void PlaybackFixture::Click(TUrlText* label) {
    vcl::Application->Dispatch([label] { label->Click(); });
}

void PlaybackFixture::ExpectIdle() {
    EXPECT_EQ(form->Caption(), "Quilby MP3 Player");
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_FALSE(form->t2->Enabled());
    EXPECT_EQ(form->Progress->Max(), 0);
    EXPECT_FALSE(IsPaused);
    EXPECT_EQ(form->PauseButton->Caption(), "Pause");
    EXPECT_EQ(form->PauseButton->Font()->Color(), vcl::clWhite);
    EXPECT_FALSE(form->play1->IsOpen());
}

void PlaybackFixture::ExpectPlaying(int index, const std::string& name) {
    EXPECT_EQ(form->Caption(), "Quilby MP3 Player: Playing:  " + name);
    EXPECT_EQ(form->l1->ItemIndex(), index);
    ASSERT_NE(media.device, nullptr);
    EXPECT_EQ(media.device->path(), form->l1->Text(index));
    EXPECT_EQ(form->play1->FileName, form->l1->Text(index));
    EXPECT_EQ(media.device->mode(), media::TMPModes::mpPlaying);
    EXPECT_EQ(media.device->positionMs(), 0);
    EXPECT_EQ(form->Progress->Max(), media.device->lengthMs());
    EXPECT_TRUE(form->Timer1->Enabled());
    EXPECT_FALSE(form->t2->Enabled());
    EXPECT_FALSE(IsPaused);
    EXPECT_EQ(form->PauseButton->Caption(), "Pause");
    EXPECT_FALSE(form->RemoveButton->Enabled());
}
