// The command-line parameter rules, and the first start's parameter becoming a ticked entry.

#include <gtest/gtest.h>

#include "support/FormFixture.h"
#include "vcl/Application.h"
#include "vcl/Params.h"

namespace {

struct ParamCase {
    const char* commandLine;
    int count;
    std::vector<std::string> params;  // parameters 1, 2, ...
};

class ParamRules : public ::testing::TestWithParam<ParamCase> {};

TEST_P(ParamRules, SplitsTheCommandLine) {
    const ParamCase& c = GetParam();
    EXPECT_EQ(vcl::ParamCount(c.commandLine), c.count);
    for (std::size_t i = 0; i < c.params.size(); ++i)
        EXPECT_EQ(vcl::ParamStr(c.commandLine, int(i) + 1), c.params[i]) << "parameter " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParamRules,
    ::testing::Values(
        ParamCase{"player", 0, {""}},
        ParamCase{"player /music/a.mp3", 1, {"/music/a.mp3"}},
        ParamCase{"player \t\x01\x1f  /music/a.mp3\t", 1, {"/music/a.mp3"}},
        ParamCase{"player \"/my music/a b.mp3\"", 1, {"/my music/a b.mp3"}},
        ParamCase{"player /my\" music\"/a.mp3", 1, {"/my music/a.mp3"}},
        ParamCase{"player \"\" /music/a.mp3", 1, {"/music/a.mp3"}},
        ParamCase{"player \"\"\"\" a", 1, {"a"}},
        ParamCase{"player \"/music/unclosed b.mp3", 1, {"/music/unclosed b.mp3"}},
        ParamCase{"player one.mp3 two.mp3", 2, {"one.mp3", "two.mp3"}},
        ParamCase{"\"/usr/bin/quilby player\" x.wav", 1, {"x.wav"}},
        ParamCase{"player \"\"x", 1, {"x"}},
        ParamCase{"player a \"\" b", 2, {"a", "b"}},
        ParamCase{"player a \"\"", 1, {"a", ""}},
        ParamCase{"player caf\xc3\xa9.mp3 \xff\xfe.mid", 2, {"caf\xc3\xa9.mp3", "\xff\xfe.mid"}}));

TEST(BuildCommandLine, QuotesWhatTheRulesWouldSplitAndRoundTrips) {
    const char* argv[] = {"/usr/bin/QuilbyMP3Player", "/my music/a.mp3", "", "tab\there", "plain"};
    const std::string line = vcl::BuildCommandLine(5, argv);
    EXPECT_EQ(line, "/usr/bin/QuilbyMP3Player \"/my music/a.mp3\" \"\" \"tab\there\" plain");
    EXPECT_EQ(vcl::ParamStr(line, 1), "/my music/a.mp3");
}

class FirstStart : public FormFixture {};

TEST_F(FirstStart, NoParameterLeavesTheListEmptyAndTheWindowIdle) {
    EXPECT_EQ(form->l1->Count(), 0);
    EXPECT_EQ(form->Caption(), "Quilby MP3 Player");
    EXPECT_FALSE(IsPaused);
}

TEST_F(FirstStart, FirstParameterIsAddedTickedWithoutMessageEvenWhenMissing) {
    Recreate("QuilbyMP3Player \"/no such/fold er/x.mp3\" second.mp3");
    ASSERT_EQ(form->l1->Count(), 1);
    EXPECT_EQ(form->l1->Text(0), "/no such/fold er/x.mp3");
    EXPECT_TRUE(form->l1->Checked(0));
    EXPECT_EQ(form->l1->ItemIndex(), -1);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(FirstStart, BadParametersAreAddedAsGivenAndTheWindowComesUp) {
    const std::string longPath = "/" + std::string(3999, 'a');
    for (const std::string& param : {std::string("/"), dir.path(), longPath, std::string("\xff\xfe\x80.mp3")}) {
        Recreate("QuilbyMP3Player " + param);
        ASSERT_EQ(form->l1->Count(), 1);
        EXPECT_EQ(form->l1->Text(0), param);
        form->Show();
        EXPECT_TRUE(form->Visible());
        EXPECT_FALSE(form->Widget() == nullptr);
        vcl::Application->ProcessMessages();
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
