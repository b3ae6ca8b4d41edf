#include "media/SourceFactory.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "media/MediaFile.h"
#include "media/MidiSource.h"
#include "media/SndfileSource.h"

namespace media {

namespace {

constexpr std::array<std::string_view, 8> kSampled = {"mp3", "wav", "flac", "ogg", "oga", "opus", "aif", "aiff"};
constexpr std::array<std::string_view, 3> kMidi = {"mid", "midi", "rmi"};

bool Among(const auto& list, const std::string& ext) {
    return std::find(list.begin(), list.end(), ext) != list.end();
}

}  // namespace

std::unique_ptr<Source> OpenSource(const std::string& path, std::string& error) {
    const std::string ext = LowerExtension(path);
    if (Among(kSampled, ext)) return SndfileSource::Open(path, error);
    if (Among(kMidi, ext)) return MidiSource::Open(path, error);
    error = FileError(path, ext.empty() ? "a file without an extension cannot be played"
                                        : "files of the type \"." + ext + "\" cannot be played");
    return nullptr;
}

}  // namespace media
