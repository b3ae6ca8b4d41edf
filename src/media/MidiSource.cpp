#include "media/MidiSource.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "media/MediaFile.h"
#include "media/MidiFile.h"
#include "media/RiffMidi.h"
#include "media/Synthesizers.h"

namespace media {

namespace {

constexpr off_t kLargestMidiFile = 64 << 20;

// Reads the whole file behind `fd` and closes it; false with the reason when it cannot.
bool ReadWhole(int fd, std::string& bytes, std::string& reason) {
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    if (ok && st.st_size > kLargestMidiFile) {
        reason = "the file is too large to be a MIDI file";
        ok = false;
    } else if (ok) {
        bytes.resize(std::size_t(st.st_size));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (got <= 0) break;
            done += std::size_t(got);
        }
        bytes.resize(done);
        if (done < std::size_t(st.st_size)) {
            reason = "the file cannot be read";
            ok = false;
        }
    }
    ::close(fd);
    return ok;
}

}  // namespace

std::unique_ptr<MidiSource> MidiSource::Open(const std::string& path, std::string& error) {
    const int fd = OpenMediaFile(path, error);
    if (fd < 0) return nullptr;
    std::string file, reason;
    if (!ReadWhole(fd, file, reason)) {
        error = FileError(path, reason);
        return nullptr;
    }
    // A RIFF MIDI file is recognised by its content, whatever its extension.
    std::string_view smf = file;
    long long lengthUs = 0;
    if ((IsRiffMidi(file) && !FindRiffMidiData(file, smf, reason)) ||
        !ReadMidiLength(smf, lengthUs, reason)) {
        error = FileError(path, reason);
        return nullptr;
    }
    std::unique_ptr<Synthesizer> synthesizer = TakeSynthesizer(reason);
    if (!synthesizer) {
        error = FileError(path, reason);
        return nullptr;
    }
    std::unique_ptr<MidiSource> source(
        new MidiSource(std::string(smf), lengthUs, std::move(synthesizer)));
    if (!source->startPlayer()) {
        error = FileError(path, "the MIDI player cannot be started");
        return nullptr;
    }
    return source;
}

MidiSource::MidiSource(std::string smf, long long lengthUs, std::unique_ptr<Synthesizer> synthesizer)
    : smf_(std::move(smf)),
      lengthUs_(lengthUs),
      totalFrames_(lengthUs * kSynthesizerRate / 1000000),
      synthesizer_(std::move(synthesizer)) {}

MidiSource::~MidiSource() {
    if (player_) delete_fluid_player(player_);
    GiveBackSynthesizer(std::move(synthesizer_));
}

int MidiSource::rate() const { return kSynthesizerRate; }

bool MidiSource::startPlayer() {
    if (player_) delete_fluid_player(player_);
    fluid_synth_system_reset(synthesizer_->synth);
    player_ = new_fluid_player(synthesizer_->synth);
    return player_ && fluid_player_add_mem(player_, smf_.data(), smf_.size()) == FLUID_OK &&
           fluid_player_play(player_) == FLUID_OK;
}

long MidiSource::read(float* out, long frames) {
    // The synthesizer plays on past the last event (releases, echo); the track ends at it.
    const int count = int(std::min<long long>(frames, totalFrames_ - madeFrames_));
    if (count <= 0) return 0;
    if (fluid_synth_write_float(synthesizer_->synth, count, out, 0, 2, out, 1, 2) != FLUID_OK) return 0;
    madeFrames_ += count;
    return count;
}

bool MidiSource::rewind() {
    madeFrames_ = 0;
    return startPlayer();
}

}  // namespace media
