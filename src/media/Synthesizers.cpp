#include "media/Synthesizers.h"

#include <cstdlib>
#include <mutex>
#include <vector>

namespace media {

namespace {

constexpr const char* kSystemSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

std::mutex idleLock;
std::vector<std::unique_ptr<Synthesizer>> idle;  // loaded and silent, waiting for a file

// FluidSynth would print its messages on the terminal; failures reach the user as error texts.
void QuietFluidSynth() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = 0; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, nullptr, nullptr);
    });
}

std::unique_ptr<Synthesizer> LoadSynthesizer(const std::string& soundFont, std::string& error) {
    QuietFluidSynth();
    auto made = std::make_unique<Synthesizer>();
    made->soundFont = soundFont;
    made->settings = new_fluid_settings();
    if (made->settings) {
        fluid_settings_setnum(made->settings, "synth.sample-rate", kSynthesizerRate);
        fluid_settings_setstr(made->settings, "player.timing-source", "sample");
        made->synth = new_fluid_synth(made->settings);
    }
    if (!made->synth) {
        error = "the MIDI synthesizer cannot be started";
        return nullptr;
    }
    if (fluid_synth_sfload(made->synth, soundFont.c_str(), 1) == FLUID_FAILED) {
        error = "the sound font \"" + soundFont + "\" cannot be loaded";
        return nullptr;
    }
    return made;
}

}  // namespace

std::string SoundFontPath() {
    const char* chosen = std::getenv("QUILBY_SOUNDFONT");
    return chosen && *chosen ? chosen : kSystemSoundFont;
}

Synthesizer::~Synthesizer() {
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
}

std::unique_ptr<Synthesizer> TakeSynthesizer(std::string& error) {
    const std::string soundFont = SoundFontPath();
    {
        std::lock_guard<std::mutex> guard(idleLock);
        // Synthesizers with another sound font will not be asked for again.
        std::erase_if(idle, [&](const auto& s) { return s->soundFont != soundFont; });
        if (!idle.empty()) {
            std::unique_ptr<Synthesizer> taken = std::move(idle.back());
            idle.pop_back();
            return taken;
        }
    }
    return LoadSynthesizer(soundFont, error);
}

void GiveBackSynthesizer(std::unique_ptr<Synthesizer> synthesizer) {
    fluid_synth_system_reset(synthesizer->synth);
    std::lock_guard<std::mutex> guard(idleLock);
    idle.push_back(std::move(synthesizer));
}

}  // namespace media
