#include "demo/demo_sounds.h"

#include "core/feedback/sound_files.h"
#include "core/foundation/atomic_file.h"
#include "core/foundation/record_file.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <numbers>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr double Rate = DemoSoundRate;
constexpr double TwoPi = 2 * std::numbers::pi;
// Partials above this are left out: they would fold back as false tones.
constexpr double HighestPartial = 0.45 * Rate;

// One partial of a note: its frequency as a multiple of the note's, its
// level, and how much faster than the note it dies away.
struct Partial {
    double ratio;
    double level;
    double decayScale = 1;
};

// A soft bell: the octave and the twelfth fade sooner than the note.
const std::initializer_list<Partial> Bell = {{1, 1}, {2, 0.3, 1.6}, {3, 0.1, 2.5}};
// A marimba bar: a strong fundamental with a short, bright fourth partial.
const std::initializer_list<Partial> Marimba = {{1, 1}, {4, 0.22, 3.5}, {9.9, 0.04, 8}};

// A sound being made: samples in [-1, 1] before the final level is set.
class Synth
{
public:
    explicit Synth(double seconds)
        : m_samples(std::size_t(std::lround(seconds * Rate)), 0.0)
    {}

    // A note starting `at` seconds in: it rises over `attack` and then dies
    // away exponentially with time constant `decay`.
    void note(double at, double frequency, double decay, std::initializer_list<Partial> partials,
              double level = 1, double attack = 0.004)
    {
        const std::size_t first = index(at);
        for (const Partial &p : partials) {
            const double f = frequency * p.ratio;
            if (f >= HighestPartial)
                continue;
            const double tau = decay / p.decayScale;
            for (std::size_t i = first; i < m_samples.size(); ++i) {
                const double t = double(i - first) / Rate;
                m_samples[i] +=
                    level * p.level * envelope(t, attack, tau) * std::sin(TwoPi * f * t);
            }
        }
    }

    // A tone whose pitch glides exponentially from `from` to `to` Hz over
    // `length` seconds, with a few harmonics for body; it rises over
    // `attack` and is let go smoothly over the last quarter.
    void glide(double at, double length, double from, double to, double decay, double level,
               std::initializer_list<Partial> partials = {{1, 1}}, double attack = 0.003)
    {
        const std::size_t first = index(at);
        const std::size_t last = std::min(m_samples.size(), index(at + length));
        double phase = 0;
        for (std::size_t i = first; i < last; ++i) {
            const double t = double(i - first) / Rate;
            const double f = from * std::pow(to / from, t / length);
            phase += TwoPi * f / Rate;
            double v = 0;
            for (const Partial &p : partials) {
                if (f * p.ratio < HighestPartial)
                    v += p.level * std::sin(phase * p.ratio);
            }
            const double left = (length - t) / (length / 4);
            const double release = left < 1 ? 0.5 * (1 - std::cos(std::numbers::pi * left)) : 1;
            m_samples[i] += level * envelope(t, attack, decay) * release * v;
        }
    }

    // Noise through a band-pass filter whose centre moves from `fromHz` to
    // `toHz`, shaped by `shape` (0 .. 1 over the length).
    void rustle(double at, double length, double fromHz, double toHz, double level,
                const std::function<double(double)> &shape)
    {
        std::uint32_t state = 0x9e3779b9u; // a fixed seed: the same file every time
        double low = 0;
        double band = 0;
        const std::size_t first = index(at);
        const std::size_t last = std::min(m_samples.size(), index(at + length));
        for (std::size_t i = first; i < last; ++i) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const double white = double(state) / double(UINT32_MAX) * 2 - 1;
            const double x = double(i - first) / double(last - first);
            const double centre = fromHz * std::pow(toHz / fromHz, x);
            // A state-variable filter, damping 0.7.
            const double g = 2 * std::sin(std::numbers::pi * centre / Rate);
            const double high = white - low - 0.7 * band;
            band += g * high;
            low += g * band;
            m_samples[i] += level * shape(x) * band;
        }
    }

    // The wave file: the loudest sample at `peak` of full scale, and the
    // last fifth (at most 60 milliseconds) faded out, so that the sound ends
    // in silence.
    QByteArray wave(double peak) const
    {
        std::vector<double> s = m_samples;
        const std::size_t fade = std::min(s.size() / 5, std::size_t(0.06 * Rate));
        for (std::size_t k = 0; k < fade; ++k)
            s[s.size() - 1 - k] *=
                0.5 * (1 - std::cos(std::numbers::pi * double(k) / double(fade)));
        double loudest = 0;
        for (const double v : s)
            loudest = std::max(loudest, std::abs(v));
        const double gain = loudest > 0 ? peak / loudest : 0;

        const quint32 dataBytes = quint32(s.size() * 2);
        QByteArray bytes;
        bytes.reserve(int(44 + dataBytes));
        const auto u32 = [&bytes](quint32 v) {
            char le[4];
            qToLittleEndian(v, le);
            bytes.append(le, 4);
        };
        const auto u16 = [&bytes](quint16 v) {
            char le[2];
            qToLittleEndian(v, le);
            bytes.append(le, 2);
        };
        bytes.append("RIFF");
        u32(36 + dataBytes);
        bytes.append("WAVEfmt ");
        u32(16);                // the format chunk's size
        u16(1);                 // PCM
        u16(1);                 // mono
        u32(quint32(Rate));     // samples per second
        u32(quint32(Rate) * 2); // bytes per second
        u16(2);                 // bytes per sample frame
        u16(16);                // bits per sample
        bytes.append("data");
        u32(dataBytes);
        for (const double v : s)
            u16(quint16(qint16(std::clamp(std::lround(v * gain * 32767), -32767L, 32767L))));
        return bytes;
    }

private:
    static double envelope(double t, double attack, double decay)
    {
        if (t < attack) {
            const double rise = std::sin(std::numbers::pi / 2 * t / attack);
            return rise * rise;
        }
        return std::exp(-(t - attack) / decay);
    }

    std::size_t index(double seconds) const
    {
        return std::size_t(std::max(0L, std::lround(seconds * Rate)));
    }

    std::vector<double> m_samples;
};

QByteArray click()
{
    Synth s(0.06);
    s.note(0, 1800, 0.010, {{1, 1}, {2.7, 0.5, 1.8}}, 1, 0.0015);
    s.note(0, 320, 0.012, {{1, 1}}, 0.6, 0.0015);
    return s.wave(0.45);
}

QByteArray page()
{
    Synth s(0.32);
    // Rises quickly, flutters as the sheet moves, and settles.
    s.rustle(0, 0.32, 1200, 3600, 1, [](double x) {
        const double body = std::pow(std::sin(std::numbers::pi * std::sqrt(x)), 2);
        return body * (0.75 + 0.25 * std::sin(TwoPi * 7 * x));
    });
    s.note(0.17, 4200, 0.04, {{1, 1}}, 0.05);
    return s.wave(0.5);
}

QByteArray favorites()
{
    Synth s(0.8);
    const double notes[] = {1046.5, 1318.5, 1568.0}; // C6 E6 G6
    for (int k = 0; k < 3; ++k)
        s.note(0.09 * k, notes[k], k == 2 ? 0.16 : 0.12, Bell, 1.0 - 0.1 * k);
    return s.wave(0.55);
}

QByteArray restore()
{
    Synth s(1.2);
    const double notes[] = {784.0, 1046.5, 1318.5, 1568.0}; // G5 C6 E6 G6
    for (int k = 0; k < 4; ++k)
        s.note(0.1 * k, notes[k], k == 3 ? 0.25 : 0.09, Marimba);
    return s.wave(0.55);
}

QByteArray backup()
{
    Synth s(1.0);
    const double notes[] = {1568.0, 1318.5, 1046.5}; // G6 E6 C6
    for (int k = 0; k < 3; ++k)
        s.note(0.12 * k, notes[k], k == 2 ? 0.2 : 0.1, Marimba);
    return s.wave(0.55);
}

QByteArray print()
{
    Synth s(0.62);
    // The hum of the feed, swelling in and out under the ticks.
    s.glide(0, 0.46, 180, 190, 10, 0.12, {{1, 1}, {2, 0.4}}, 0.06);
    for (int k = 0; k < 12; ++k)
        s.note(0.02 + 0.035 * k, 3000, 0.004, {{1, 1}, {1.53, 0.6}}, k % 2 ? 0.5 : 0.7, 0.001);
    s.note(0.45, 1760, 0.04, Bell, 0.6);
    return s.wave(0.5);
}

QByteArray email()
{
    Synth s(0.9);
    const std::initializer_list<Partial> shimmer = {{1, 1}, {1.004, 0.4}, {2, 0.25, 1.6}};
    s.note(0, 880.0, 0.14, shimmer);     // A5
    s.note(0.16, 1318.5, 0.18, shimmer); // E6
    return s.wave(0.55);
}

QByteArray button()
{
    Synth s(0.07);
    s.glide(0, 0.07, 1400, 1000, 0.018, 1);
    return s.wave(0.3);
}

QByteArray kill()
{
    Synth s(0.45);
    s.glide(0, 0.45, 700, 180, 0.12, 1, {{1, 1}, {2, 0.3}, {3, 0.1}});
    return s.wave(0.55);
}

// The makers, in the order of soundFileNames().
constexpr QByteArray (*Makers[])() = {click, page,  favorites, restore, backup,
                                      print, email, button,    kill};

} // namespace

QStringList demoSoundNames()
{
    return soundFileNames();
}

QByteArray synthesizeDemoSound(const QString &name)
{
    const qsizetype k = soundFileNames().indexOf(name);
    return k >= 0 && k < qsizetype(std::size(Makers)) ? Makers[k]() : QByteArray();
}

DemoSoundResult writeDemoSounds(const DriveMap &drives, bool overwrite)
{
    DemoSoundResult result;
    const RecordFile files(drives);
    if (FileResult r = files.makeDirectory(soundFilePath({})); !r) {
        result.failure = r.message();
        return result;
    }
    for (const QString &name : demoSoundNames()) {
        const QString path = soundFilePath(name);
        if (!overwrite && files.exists(path)) {
            ++result.kept;
            continue;
        }
        if (FileResult r = AtomicFile::replace(files.hostPath(path), synthesizeDemoSound(name));
            !r) {
            result.failure = r.message();
            return result;
        }
        ++result.written;
    }
    if (overwrite || !files.exists(soundSwitchPath())) {
        if (FileResult r = writeSoundSwitch(files, true); !r) {
            result.failure = r.message();
            return result;
        }
        result.switchWritten = true;
    }
    return result;
}
