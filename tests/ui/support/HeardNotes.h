// The notes in a recording of the tone player, found the way an ear finds them: where the
// sound is loud enough to be a note, how long it lasts and at what pitch.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace k7x::test {

struct Note {
    double startMs;  // from the start of the first note
    double lengthMs;
    double hz;
};

// Stretches loud enough to be a note, split where the sound falls almost silent, as the ramps
// at a note's ends make it between adjacent notes. The pitch is taken from the zero crossings
// inside the note, interpolated between samples. The blocks the loudness is measured over are
// shorter than half a period of the highest pitch and longer than that of the lowest tested.
inline std::vector<Note> FindNotes(const std::vector<qint16>& s, int rate) {
    const std::size_t block = static_cast<std::size_t>(rate) / 4000;  // 0.25 ms
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    bool on = false;
    std::size_t begin = 0;
    for (std::size_t b = 0; b + block <= s.size(); b += block) {
        int peak = 0;
        for (std::size_t i = b; i < b + block; ++i) peak = std::max(peak, std::abs(int{s[i]}));
        if (!on && peak > 8000) {
            on = true;
            begin = b;
        } else if (on && peak < 3000) {
            on = false;
            spans.emplace_back(begin, b);
        }
    }
    std::vector<Note> notes;
    const std::size_t margin = static_cast<std::size_t>(rate) * 4 / 1000;
    for (const auto& [from, to] : spans) {
        std::vector<double> crossings;
        for (std::size_t i = from + margin; i + 1 + margin < to; ++i)
            if (s[i] < 0 && s[i + 1] >= 0)
                crossings.push_back(static_cast<double>(i) + s[i] / double(s[i] - s[i + 1]));
        const double hz = crossings.size() < 2 ? 0
                                               : (crossings.size() - 1) * double(rate) /
                                                     (crossings.back() - crossings.front());
        notes.push_back(
            {(from - spans.front().first) * 1000.0 / rate, (to - from) * 1000.0 / rate, hz});
    }
    return notes;
}

// 16-bit samples of a raw recording.
inline std::vector<qint16> ReadSamples(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    std::vector<qint16> samples(static_cast<std::size_t>(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

// What differs between the notes heard and those expected, beyond 15 ms in start or length and
// 2 % in pitch; empty when they agree.
inline QByteArray NotesDiffer(const std::vector<Note>& heard, const std::vector<Note>& expected) {
    QByteArray all;
    for (const Note& n : heard)
        all += QByteArray::number(n.startMs) + "/" + QByteArray::number(n.lengthMs) + " ms " +
               QByteArray::number(n.hz) + " Hz; ";
    if (heard.size() != expected.size()) return "heard " + all;
    for (std::size_t i = 0; i < heard.size(); ++i)
        if (std::abs(heard[i].startMs - expected[i].startMs) > 15 ||
            std::abs(heard[i].lengthMs - expected[i].lengthMs) > 15 ||
            std::abs(heard[i].hz / expected[i].hz - 1) > 0.02)
            return "note " + QByteArray::number(qulonglong(i + 1)) + " differs; heard " + all;
    return {};
}

}  // namespace k7x::test
