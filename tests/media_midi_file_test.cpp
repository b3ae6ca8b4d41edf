// The Standard MIDI File reader's lengths and refusals, and finding the MIDI data in RIFF
// MIDI files.
#include <gtest/gtest.h>

#include "media/MidiFile.h"
#include "media/RiffMidi.h"
#include "support/Fixtures.h"

using namespace fixtures;

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) bytes += char(v);
    return bytes;
}

// A note from `at` ticks to `at + ticks`.
std::string Note(std::uint32_t at, std::uint32_t ticks) {
    return Vlq(at) + Bytes({0x90, 0x3C, 0x64}) + Vlq(ticks) + Bytes({0x80, 0x3C, 0x00});
}

struct LengthCase {
    const char* name;
    std::string smf;
    long long lengthUs;
};

class MidiLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(MidiLength, IsTheTimeOfTheLastEvent) {
    long long lengthUs = -1;
    std::string error;
    ASSERT_TRUE(media::ReadMidiLength(GetParam().smf, lengthUs, error)) << error;
    EXPECT_EQ(lengthUs, GetParam().lengthUs);
}

// Events of every length in one track, each in the middle of notes that use running status,
// 10 ticks apart: 1 tick is 1 ms.
std::string EveryKindOfEvent() {
    std::string events = Vlq(0) + Bytes({0x90, 0x3C, 0x64});                // note on
    events += Vlq(10) + Bytes({0x40, 0x64});                                 // running status
    events += Vlq(10) + Bytes({0xC1, 0x05});                                 // program: 1 byte
    events += Vlq(10) + Bytes({0xD1, 0x30});                                 // pressure: 1 byte
    events += Vlq(10) + Bytes({0xE1, 0x00, 0x40});                           // pitch bend: 2
    events += Vlq(10) + Bytes({0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7});  // sysex
    events += Vlq(10) + Bytes({0xF7, 0x02, 0xF3, 0x01});                     // escaped bytes
    events += Vlq(10) + Bytes({0xFF, 0x01, 0x05}) + "hello";                 // text
    events += Vlq(10) + Bytes({0x80, 0x3C, 0x00});                           // note off
    events += Vlq(10) + Bytes({0x40, 0x00});                                 // running status
    events += Vlq(200) + Bytes({0xB0, 0x7B, 0x00});                          // all notes off
    return MidiHeader(0, 1, 500) + MidiTrack(events + EndOfTrack(0));
}

INSTANTIATE_TEST_SUITE_P(
    Files, MidiLength,
    ::testing::Values(
        LengthCase{"ToneOfOneTickPerMillisecond", MidiTone(321), 321000},
        LengthCase{"NoTempoEventPlaysAt120Bpm",
                   MidiHeader(0, 1, 480) + MidiTrack(Note(0, 960) + EndOfTrack(0)), 1000000},
        // 960 ticks at 0.5 s a quarter, then 480 ticks at 0.25 s a quarter.
        LengthCase{"TempoChangeInTheTempoTrack",
                   MidiHeader(1, 2, 480) +
                       MidiTrack(TempoEvent(0, 500000) + TempoEvent(960, 250000) + EndOfTrack(0)) +
                       MidiTrack(Note(0, 1440) + EndOfTrack(0)),
                   1250000},
        // The tempo map is shared: a change in the last track rules the first too.
        LengthCase{"TempoChangeInAnotherTrack",
                   MidiHeader(1, 2, 480) + MidiTrack(Note(0, 1440) + EndOfTrack(0)) +
                       MidiTrack(TempoEvent(960, 250000) + EndOfTrack(0)),
                   1250000},
        LengthCase{"EndOfTrackAfterTheLastNoteCounts",
                   MidiHeader(0, 1, 500) + MidiTrack(Note(0, 100) + EndOfTrack(400)), 500000},
        LengthCase{"EveryKindOfEvent", EveryKindOfEvent(), 290000},
        // 25 frames a second, 40 ticks a frame: 1 ms a tick, whatever the tempo says.
        LengthCase{"TimeCodeDivision",
                   MidiHeader(0, 1, 0xE728) + MidiTrack(TempoEvent(0, 250000) + Note(0, 750) + EndOfTrack(0)),
                   750000},
        LengthCase{"OtherChunksAndLongerHeaderAreSkipped",
                   "MThd" + Bytes({0, 0, 0, 8, 0, 0, 0, 1, 0x01, 0xF4, 0x12, 0x34}) +
                       "XFIH" + Bytes({0, 0, 0, 3, 1, 2, 3}) + MidiTrack(Note(0, 250) + EndOfTrack(0)),
                   250000},
        LengthCase{"BytesAfterTheEndOfTrackAreIgnored",
                   MidiHeader(0, 1, 500) + MidiTrack(Note(0, 40) + EndOfTrack(0) + Bytes({0x00, 0xF2})),
                   40000},
        LengthCase{"TrackWithoutEndOfTrack", MidiHeader(0, 1, 500) + MidiTrack(Note(5, 60)), 65000}),
    [](const auto& info) { return std::string(info.param.name); });

struct DamagedCase {
    const char* name;
    std::string smf;
    const char* reason;
};

class DamagedMidi : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedMidi, IsRefusedWithTheReason) {
    long long lengthUs = -1;
    std::string error;
    EXPECT_FALSE(media::ReadMidiLength(GetParam().smf, lengthUs, error));
    EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
}

const std::string kTone = MidiTrack(Note(0, 100) + EndOfTrack(0));

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedMidi,
    ::testing::Values(
        DamagedCase{"TextFile", "just some words, not music\n", "not a Standard MIDI File"},
        DamagedCase{"HeaderCutShort", MidiHeader(0, 1, 500).substr(0, 11), "not a Standard MIDI File"},
        DamagedCase{"HeaderLengthBelowSix", "MThd" + Bytes({0, 0, 0, 4, 0, 0, 0, 1}) + kTone, "not a Standard MIDI File"},
        DamagedCase{"FormatTwo", MidiHeader(2, 1, 500) + kTone, "format 2"},
        DamagedCase{"NoTracks", MidiHeader(0, 0, 500), "no tracks"},
        DamagedCase{"ZeroDivision", MidiHeader(0, 1, 0) + kTone, "division"},
        DamagedCase{"TrackLengthPastTheEnd", MidiHeader(0, 1, 500) + "MTrk" + Bytes({0, 0, 0x10, 0}) + Note(0, 10),
                    "past the end of the file"},
        DamagedCase{"FewerTracksThanTheHeaderSays", MidiHeader(1, 2, 500) + kTone, "ends before all its tracks"},
        DamagedCase{"DataByteWithoutStatus", MidiHeader(0, 1, 500) + MidiTrack(Bytes({0x00, 0x3C, 0x64})), "damaged"},
        DamagedCase{"SysexCancelsRunningStatus",
                    MidiHeader(0, 1, 500) +
                        MidiTrack(Bytes({0x00, 0x90, 0x3C, 0x64, 0x00, 0xF0, 0x01, 0xF7, 0x00, 0x3C, 0x00})),
                    "damaged"},
        DamagedCase{"EventCutShortByTheTrackEnd", MidiHeader(0, 1, 500) + MidiTrack(Bytes({0x00, 0x90, 0x3C})), "damaged"},
        DamagedCase{"MetaLongerThanTheTrack", MidiHeader(0, 1, 500) + MidiTrack(Bytes({0x00, 0xFF, 0x01, 0x40, 0x41})),
                    "damaged"},
        DamagedCase{"DeltaTimeOfFiveBytes",
                    MidiHeader(0, 1, 500) + MidiTrack(Bytes({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 0x3C, 0x64})), "damaged"},
        DamagedCase{"SystemCommonMessage", MidiHeader(0, 1, 500) + MidiTrack(Bytes({0x00, 0xF2, 0x00, 0x00})), "damaged"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RiffMidi, FindsTheDataChunkAfterOtherChunks) {
    const std::string smf = MidiTone(100);
    // The fixture puts an odd-sized text chunk first, padded to an even size.
    const std::string rmi = RiffMidi(smf);
    std::string_view found;
    std::string error;
    ASSERT_TRUE(media::IsRiffMidi(rmi));
    ASSERT_TRUE(media::FindRiffMidiData(rmi, found, error)) << error;
    EXPECT_EQ(found, smf);
    EXPECT_FALSE(media::IsRiffMidi(smf));
}

TEST(RiffMidi, WithoutDataOrWithDataPastTheEndIsRefused) {
    const std::string noData = "RIFF" + Bytes({12, 0, 0, 0}) + "RMID" + "LIST" + Bytes({0, 0, 0, 0});
    const std::string cutShort = RiffMidi(MidiTone(100)).substr(0, 60);
    std::string_view found;
    std::string error;
    EXPECT_FALSE(media::FindRiffMidiData(noData, found, error));
    EXPECT_NE(error.find("no \"data\" chunk"), std::string::npos) << error;
    EXPECT_FALSE(media::FindRiffMidiData(cutShort, found, error));
    EXPECT_NE(error.find("past the end"), std::string::npos) << error;
    // Shorter than the RIFF header itself: nothing is read past the end.
    EXPECT_FALSE(media::FindRiffMidiData("RIFF", found, error));
    EXPECT_NE(error.find("no \"data\" chunk"), std::string::npos) << error;
}

}  // namespace
