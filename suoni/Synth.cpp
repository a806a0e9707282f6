#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {

namespace {

struct Note {
    double start;     // seconds
    double length;    // seconds
    double frequency; // Hz at the start
    double glide;     // frequency factor reached at the end
    double decay;     // per second; 0 for a smooth swell and fade
    double level;
};

std::vector<std::int16_t> render(const std::vector<Note>& notes, double total)
{
    std::vector<double> mix(std::size_t(total * sampleRate), 0.0);
    for (const Note& n : notes) {
        const auto first = std::size_t(n.start * sampleRate);
        const auto count = std::size_t(n.length * sampleRate);
        double phase = 0.0;
        for (std::size_t k = 0; k < count && first + k < mix.size(); ++k) {
            const double t = double(k) / sampleRate;
            const double f = n.frequency * std::pow(n.glide, t / n.length);
            phase += 2.0 * std::numbers::pi * f / sampleRate;
            // Short ramps at both ends keep the sound free of clicks.
            const double attack = std::min(1.0, t / 0.01);
            const double release = std::min(1.0, (n.length - t) / 0.03);
            const double body =
                n.decay > 0 ? std::exp(-n.decay * t) : std::sin(std::numbers::pi * t / n.length);
            const double tone = std::sin(phase) + 0.25 * std::sin(2.0 * phase);
            mix[first + k] += n.level * attack * release * body * tone;
        }
    }
    std::vector<std::int16_t> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(), [](double v) {
        return std::int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    });
    return samples;
}

void put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((value >> (8 * i)) & 0xFF));
}

} // namespace

std::vector<std::int16_t> chime()
{
    // C6, E6, G6 and a high C7 ringing out: a little fanfare.
    return render({{0.00, 0.20, 1046.5, 1.0, 9.0, 0.30},
                   {0.09, 0.20, 1318.5, 1.0, 9.0, 0.30},
                   {0.18, 0.20, 1568.0, 1.0, 9.0, 0.30},
                   {0.27, 0.38, 2093.0, 1.0, 6.0, 0.30}},
                  0.66);
}

std::vector<std::int16_t> uhOh()
{
    // Two soft low notes that sink a little, like a kind "uh-oh".
    return render({{0.00, 0.20, 392.0, 0.97, 0.0, 0.45}, {0.24, 0.32, 311.1, 0.92, 0.0, 0.45}},
                  0.58);
}

std::string wavFile(const std::vector<std::int16_t>& samples, int rate)
{
    const auto dataBytes = std::uint32_t(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4); // format chunk size
    put(out, 1, 2);  // PCM
    put(out, 1, 2);  // mono
    put(out, std::uint32_t(rate), 4);
    put(out, std::uint32_t(rate * 2), 4); // bytes a second
    put(out, 2, 2);                       // block align
    put(out, 16, 2);                      // bits a sample
    out += "data";
    put(out, dataBytes, 4);
    for (std::int16_t s : samples)
        put(out, std::uint16_t(s), 2);
    return out;
}

} // namespace synth
