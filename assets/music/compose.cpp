// Composes the game's theme, "골목의 밤" (Night in the Alleys), and writes it as a 16-bit mono WAV
// file. Nothing is sampled: every sound is synthesised here. A plucked-string voice (a delay line
// fed with a burst of noise from a fixed seed) plays the tune, a soft square bass keeps the
// drone, and two drums in a janggu-like pattern keep time. The piece is 16 bars of 4/4 at 96
// beats a minute, 40 seconds, and every tail that runs past the end is folded back onto the
// beginning so the file loops without a seam.
//
// Usage: golmok-compose OUTPUT.wav
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kBeat = 60.0 / 96.0;
constexpr int kBars = 16;
constexpr int kLength = static_cast<int>(kBars * 4 * kBeat * kRate);

// Semitones above A3 (220 Hz); -100 is a rest.
constexpr int R = -100;

struct Note {
    int pitch;
    double beats;
};

// The tune, bar by bar, on the A minor pentatonic scale (A C D E G) with a touch of F in the
// answering phrase. Each bar adds up to four beats.
const std::vector<std::vector<Note>> kTune = {
    {{12, 1}, {15, 0.5}, {17, 0.5}, {19, 1.5}, {17, 0.5}},
    {{15, 1}, {12, 1}, {10, 1}, {12, 1}},
    {{7, 1.5}, {10, 0.5}, {12, 1}, {15, 1}},
    {{12, 3}, {R, 1}},
    {{12, 1}, {15, 0.5}, {17, 0.5}, {19, 1}, {22, 1}},
    {{24, 1.5}, {22, 0.5}, {19, 1}, {17, 1}},
    {{15, 1}, {17, 0.5}, {15, 0.5}, {12, 1}, {10, 1}},
    {{12, 3}, {R, 1}},
    {{8, 1}, {12, 1}, {15, 1.5}, {12, 0.5}},
    {{10, 1}, {14, 1}, {17, 1.5}, {14, 0.5}},
    {{15, 1}, {19, 0.5}, {17, 0.5}, {15, 1}, {12, 1}},
    {{10, 2}, {7, 1}, {R, 1}},
    {{19, 0.5}, {17, 0.5}, {15, 1}, {19, 0.5}, {17, 0.5}, {15, 1}},
    {{17, 1}, {15, 0.5}, {12, 0.5}, {10, 1}, {12, 1}},
    {{7, 1}, {10, 1}, {12, 0.5}, {10, 0.5}, {7, 1}},
    {{0, 3}, {R, 1}},
};

// The bass note of each bar (semitones above A1), held as two half-bar pulses.
const std::vector<int> kBass = {0, 0, -2, 0, 0, 3, -2, 0, -4, -2, -5, -2, 3, -2, -5, 0};

double Frequency(double base, int semitones) {
    return base * std::pow(2.0, semitones / 12.0);
}

// Fixed-seed noise so every build writes the same file.
struct Noise {
    std::uint32_t state = 0x1930u;
    double Next() {
        state = state * 1664525u + 1013904223u;
        return ((state >> 8) / static_cast<double>(1u << 24)) * 2.0 - 1.0;
    }
};

class Track {
  public:
    Track() : samples_(kLength, 0.0) {}
    // Adds a sample at time index i, folding anything past the end back onto the start.
    void Add(long i, double value) { samples_[static_cast<std::size_t>(i % kLength)] += value; }
    const std::vector<double>& samples() const { return samples_; }

  private:
    std::vector<double> samples_;
};

void Pluck(Track& track, Noise& noise, double start, double frequency, double seconds,
           double gain) {
    const int period = static_cast<int>(kRate / frequency);
    std::vector<double> line(static_cast<std::size_t>(period));
    for (double& s : line)
        s = noise.Next();
    const long first = static_cast<long>(start * kRate);
    const long count = static_cast<long>((seconds + 0.6) * kRate);
    double previous = 0;
    for (long n = 0; n < count; ++n) {
        const std::size_t k = static_cast<std::size_t>(n % period);
        const double out = line[k];
        // Averaging two neighbours damps the string; the slight loss makes it ring like silk.
        line[k] = 0.4985 * (out + previous);
        previous = out;
        double release = 1.0;
        const double t = static_cast<double>(n) / kRate;
        if (t > seconds) release = std::exp(-(t - seconds) * 12.0);
        track.Add(first + n, gain * out * release);
    }
}

void Bass(Track& track, double start, double frequency, double seconds, double gain) {
    const long first = static_cast<long>(start * kRate);
    const long count = static_cast<long>(seconds * kRate);
    for (long n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / kRate;
        const double phase = std::fmod(t * frequency, 1.0);
        // A square wave rounded by its first three odd harmonics only: warm, not buzzing.
        double wave = 0;
        for (int h = 1; h <= 5; h += 2) {
            wave += std::sin(2 * std::numbers::pi * h * phase) / h;
        }
        const double envelope = std::min(1.0, t * 40.0) * std::exp(-t * 1.6);
        track.Add(first + n, gain * wave * envelope);
    }
}

// The low drum: a falling sine; the high drum: a short burst of bright noise.
void Drum(Track& track, Noise& noise, double start, bool low, double gain) {
    const long first = static_cast<long>(start * kRate);
    const long count = static_cast<long>(0.35 * kRate);
    double phase = 0;
    for (long n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / kRate;
        double value;
        if (low) {
            const double frequency = 55 + 70 * std::exp(-t * 30);
            phase += frequency / kRate;
            value = std::sin(2 * std::numbers::pi * phase) * std::exp(-t * 9);
        } else {
            value = noise.Next() * std::exp(-t * 45) * 0.6 +
                    std::sin(2 * std::numbers::pi * 420 * t) * std::exp(-t * 30) * 0.4;
        }
        track.Add(first + n, gain * value);
    }
}

void WriteLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int b = 0; b < bytes; ++b)
        out.put(static_cast<char>((value >> (8 * b)) & 0xFF));
}

bool WriteWav(const std::string& path, const std::vector<double>& samples) {
    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    WriteLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    WriteLittleEndian(out, 16, 4);  // format chunk size
    WriteLittleEndian(out, 1, 2);   // PCM
    WriteLittleEndian(out, 1, 2);   // mono
    WriteLittleEndian(out, kRate, 4);
    WriteLittleEndian(out, kRate * 2, 4);
    WriteLittleEndian(out, 2, 2);
    WriteLittleEndian(out, 16, 2);
    out.write("data", 4);
    WriteLittleEndian(out, dataBytes, 4);
    for (double s : samples) {
        const double clipped = std::max(-1.0, std::min(1.0, s));
        const auto value = static_cast<std::int16_t>(std::lround(clipped * 32000));
        WriteLittleEndian(out, static_cast<std::uint16_t>(value), 2);
    }
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: golmok-compose OUTPUT.wav\n");
        return 2;
    }
    Track track;
    Noise noise;
    const double bar = 4 * kBeat;
    for (int b = 0; b < kBars; ++b) {
        double at = b * bar;
        for (const Note& note : kTune[static_cast<std::size_t>(b)]) {
            const double seconds = note.beats * kBeat;
            if (note.pitch != R) Pluck(track, noise, at, Frequency(220, note.pitch), seconds, 0.42);
            at += seconds;
        }
        const double bass = Frequency(55, kBass[static_cast<std::size_t>(b)]);
        Bass(track, b * bar, bass, bar / 2, 0.22);
        Bass(track, b * bar + bar / 2, bass, bar / 2, 0.16);
        // 덩 . 쿵 덕 | 덩 . 덕 .  in eighths: low on 1 and 5, high on 4, 6 and (every other bar) 8.
        const double eighth = kBeat / 2;
        Drum(track, noise, b * bar, true, 0.5);
        Drum(track, noise, b * bar + 3 * eighth, false, 0.25);
        Drum(track, noise, b * bar + 4 * eighth, true, 0.35);
        Drum(track, noise, b * bar + 6 * eighth, false, 0.22);
        if (b % 2 == 1) Drum(track, noise, b * bar + 7 * eighth, false, 0.18);
    }
    // Normalise to a comfortable level below full scale.
    double peak = 0;
    for (double s : track.samples())
        peak = std::max(peak, std::abs(s));
    std::vector<double> samples = track.samples();
    if (peak > 0) {
        for (double& s : samples)
            s *= 0.7 / peak;
    }
    if (!WriteWav(argv[1], samples)) {
        std::fprintf(stderr, "golmok-compose: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
