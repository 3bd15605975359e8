// Zevora - build-time generator of the program's sounds.
// Synthesises each sound and writes it as <id>.wav (16-bit PCM, mono, 22050 Hz).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
// Every sound is scaled to this peak so that all of them are equally loud and
// none comes near clipping.
constexpr double PeakLevel = 0.55;

// One tone inside a sound: a sine that glides from one frequency to another,
// with a soft rise, an optional exponential fade and a soft end.
struct Tone
{
    double start;     // seconds from the start of the sound
    double length;    // seconds
    double fromHz;    // frequency at the start
    double toHz;      // frequency at the end (equal to fromHz for a steady note)
    double level;     // relative loudness
    double decay = 0; // time constant of the fade in seconds; 0 = no fade
    double attack = 0.012;
    double release = 0.04;
};

struct Sound
{
    int id;
    double length;
    std::vector<Tone> tones;
};

constexpr double C5 = 523.25, D5 = 587.33, E5 = 659.26, G5 = 783.99, A5 = 880.0;
constexpr double C6 = 1046.50, E6 = 1318.51, B6 = 1975.53;

// The eight sounds. Each has its own shape, so that they are easy to tell apart:
// a rising arpeggio when the program starts and a falling one when it ends,
// glides up and down for maximise and minimise, and short motifs for the rest.
std::vector<Sound> sounds()
{
    return {
        {300,
         0.56,
         {{0.00, 0.26, C5, C5, 1.0, 0.20},
          {0.09, 0.26, E5, E5, 0.9, 0.20},
          {0.18, 0.26, G5, G5, 0.85, 0.20},
          {0.27, 0.29, C6, C6, 0.8, 0.16}}},
        {301, 0.20, {{0.00, 0.20, 440.0, 880.0, 1.0, 0, 0.015, 0.06}}},
        {302, 0.20, {{0.00, 0.20, 880.0, 440.0, 1.0, 0, 0.015, 0.06}}},
        {303, 0.24, {{0.00, 0.12, A5, A5, 0.9, 0.10}, {0.09, 0.15, E5, E5, 1.0, 0.09}}},
        {304,
         0.16,
         {{0.00, 0.16, E6, E6, 1.0, 0.05, 0.004, 0.03}, {0.00, 0.16, B6, B6, 0.35, 0.04, 0.004, 0.03}}},
        {305, 0.32, {{0.00, 0.14, D5, D5, 1.0, 0.12}, {0.10, 0.22, A5, A5, 1.0, 0.14}}},
        {306, 0.27, {{0.00, 0.10, E5, E5, 1.0, 0, 0.008, 0.03}, {0.15, 0.10, E5, E5, 1.0, 0, 0.008, 0.03}}},
        {399,
         0.60,
         {{0.00, 0.27, C6, C6, 0.8, 0.18},
          {0.10, 0.27, G5, G5, 0.85, 0.18},
          {0.20, 0.27, E5, E5, 0.9, 0.18},
          {0.30, 0.30, C5, C5, 1.0, 0.20}}},
    };
}

// Raised-cosine ramp from 0 to 1 over x in [0, 1].
double ramp(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

void addTone(std::vector<double> &samples, const Tone &tone)
{
    const int first = static_cast<int>(std::lround(tone.start * SampleRate));
    const int count = static_cast<int>(std::lround(tone.length * SampleRate));
    double phase = 0;
    for (int i = 0; i < count && first + i < static_cast<int>(samples.size()); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        // An exponential glide sounds even to the ear, a linear one does not.
        const double hz = tone.fromHz * std::pow(tone.toHz / tone.fromHz, t / tone.length);
        phase += 2 * std::numbers::pi * hz / SampleRate;
        double envelope = ramp(t / tone.attack) * ramp((tone.length - t) / tone.release);
        if (tone.decay > 0)
            envelope *= std::exp(-t / tone.decay);
        // A little of the second and third harmonic makes the tone round
        // instead of a bare beep.
        const double wave = std::sin(phase) + 0.22 * std::sin(2 * phase) + 0.08 * std::sin(3 * phase);
        samples[static_cast<size_t>(first + i)] += tone.level * envelope * wave;
    }
}

std::vector<std::int16_t> render(const Sound &sound)
{
    std::vector<double> mix(static_cast<size_t>(std::lround(sound.length * SampleRate)), 0.0);
    for (const Tone &tone : sound.tones)
        addTone(mix, tone);
    double peak = 0;
    for (double v : mix)
        peak = std::max(peak, std::abs(v));
    const double gain = peak > 0 ? PeakLevel * 32767.0 / peak : 0;
    std::vector<std::int16_t> pcm;
    pcm.reserve(mix.size());
    for (double v : mix)
        pcm.push_back(static_cast<std::int16_t>(std::lround(v * gain)));
    return pcm;
}

void putLe(std::string &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string wavFile(const std::vector<std::int16_t> &pcm)
{
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    std::string out = "RIFF";
    putLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);             // size of the format chunk
    putLe(out, 1, 2);              // PCM
    putLe(out, 1, 2);              // mono
    putLe(out, SampleRate, 4);     // samples per second
    putLe(out, SampleRate * 2, 4); // bytes per second
    putLe(out, 2, 2);              // bytes per sample frame
    putLe(out, 16, 2);             // bits per sample
    out += "data";
    putLe(out, dataBytes, 4);
    for (std::int16_t s : pcm)
        putLe(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (const Sound &sound : sounds()) {
        const std::string path = folder + "/" + std::to_string(sound.id) + ".wav";
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        const std::string bytes = wavFile(render(sound));
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
