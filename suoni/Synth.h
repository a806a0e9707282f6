#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The game's two sounds, made from code so the build can produce them.
namespace synth {

constexpr int sampleRate = 22050;

// A bright rising chime for a right answer.
std::vector<std::int16_t> chime();
// A soft, low two-note "uh-oh" for a wrong answer.
std::vector<std::int16_t> uhOh();

// A mono 16-bit PCM WAV file holding the samples.
std::string wavFile(const std::vector<std::int16_t>& samples, int rate = sampleRate);

} // namespace synth
