// Makes the thirteen alarm sounds of the program folder: short synthesised
// tunes, one WAV file each (mono, 16 bit, 22050 Hz).
#include "ui/Programfiler.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <vector>

namespace {

constexpr int rate = 22050;
constexpr double pi = 3.14159265358979323846;

using Lyd = std::vector<double>;

double tone(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

void plads(Lyd& s, double sekunder)
{
    const size_t n = size_t(sekunder * rate) + 1;
    if (s.size() < n)
        s.resize(n, 0.0);
}

// Adds partials (ratio, strength, decay per second) from time t on.
void klang(Lyd& s, double t, double f, double varighed, std::initializer_list<std::array<double, 3>> dele,
           double anslag = 0.002)
{
    plads(s, t + varighed);
    const size_t start = size_t(t * rate);
    const size_t n = size_t(varighed * rate);
    for (size_t i = 0; i < n; ++i) {
        const double x = double(i) / rate;
        const double a = std::min(1.0, x / anslag) * std::min(1.0, (varighed - x) / 0.02);
        double v = 0;
        for (const auto& [forhold, styrke, henfald] : dele)
            v += styrke * std::exp(-henfald * x) * std::sin(2 * pi * f * forhold * x);
        s[start + i] += a * v;
    }
}

void klokke(Lyd& s, double t, int midi, double varighed = 1.2)
{
    klang(s, t, tone(midi), varighed, {{{1.0, 1.0, 2.5}}, {{2.76, 0.45, 4.0}}, {{5.4, 0.25, 6.0}}, {{8.93, 0.1, 9.0}}});
}

void glockenspiel(Lyd& s, double t, int midi)
{
    klang(s, t, tone(midi), 0.9, {{{1.0, 1.0, 4.0}}, {{2.76, 0.3, 8.0}}, {{5.4, 0.1, 12.0}}});
}

void xylofon(Lyd& s, double t, int midi)
{
    klang(s, t, tone(midi), 0.35, {{{1.0, 1.0, 12.0}}, {{3.93, 0.35, 25.0}}, {{9.5, 0.08, 40.0}}}, 0.001);
}

// Harmonic voices with attack, release and a little vibrato.
void stemme(Lyd& s, double t, double f, double varighed, int overtoner, double hoeldning, double anslag,
            double vibrato = 0.004)
{
    plads(s, t + varighed + 0.1);
    const size_t start = size_t(t * rate);
    const size_t n = size_t((varighed + 0.08) * rate);
    double fase = 0;
    for (size_t i = 0; i < n; ++i) {
        const double x = double(i) / rate;
        const double op = std::min(1.0, x / anslag);
        const double ned = x > varighed ? std::max(0.0, 1.0 - (x - varighed) / 0.08) : 1.0;
        fase += 2 * pi * f * (1.0 + vibrato * std::sin(2 * pi * 5.5 * x)) / rate;
        double v = 0;
        for (int k = 1; k <= overtoner; ++k)
            v += std::pow(k, -hoeldning) * std::sin(k * fase);
        s[start + i] += 0.5 * op * ned * v;
    }
}

void floejte(Lyd& s, double t, int midi, double d) { stemme(s, t, tone(midi), d, 3, 2.0, 0.03); }
void messing(Lyd& s, double t, int midi, double d) { stemme(s, t, tone(midi), d, 9, 1.1, 0.04); }
void strygere(Lyd& s, double t, int midi, double d) { stemme(s, t, tone(midi), d, 12, 1.0, 0.12, 0.006); }

void stortromme(Lyd& s, double t, double styrke = 1.0)
{
    plads(s, t + 0.6);
    const size_t start = size_t(t * rate);
    double fase = 0;
    for (size_t i = 0; i < size_t(0.6 * rate); ++i) {
        const double x = double(i) / rate;
        fase += 2 * pi * (45.0 + 80.0 * std::exp(-x * 25.0)) / rate;
        s[start + i] += styrke * std::exp(-x * 6.0) * std::sin(fase);
    }
}

void lilletromme(Lyd& s, double t, double styrke, std::mt19937& rnd)
{
    std::uniform_real_distribution<double> stoej(-1.0, 1.0);
    plads(s, t + 0.25);
    const size_t start = size_t(t * rate);
    double forrige = 0;
    for (size_t i = 0; i < size_t(0.25 * rate); ++i) {
        const double x = double(i) / rate;
        const double n = stoej(rnd);
        const double hoej = n - forrige;  // a crude high-pass keeps the rattle crisp
        forrige = n;
        s[start + i] += styrke * std::exp(-x * 22.0) * (0.6 * hoej + 0.4 * std::sin(2 * pi * 185.0 * x));
    }
}

Lyd melodi(const std::vector<std::pair<int, double>>& noder, double slag,
           const std::function<void(Lyd&, double, int, double)>& instrument)
{
    Lyd s;
    double t = 0.05;
    for (const auto& [midi, laengde] : noder) {
        if (midi > 0)
            instrument(s, t, midi, laengde * slag * 0.92);
        t += laengde * slag;
    }
    return s;
}

std::map<QString, std::function<Lyd()>> lyde()
{
    return {
        {u"Beeth9"_qs, [] {
             return melodi({{64, 1}, {64, 1}, {65, 1}, {67, 1}, {67, 1}, {65, 1}, {64, 1}, {62, 1},
                            {60, 1}, {60, 1}, {62, 1}, {64, 1}, {64, 1.5}, {62, 0.5}, {62, 2}},
                           0.22, floejte);
         }},
        {u"DingDong"_qs, [] {
             Lyd s;
             klokke(s, 0.02, 76, 1.4);
             klokke(s, 0.55, 72, 1.8);
             return s;
         }},
        {u"Klokkespil"_qs, [] {
             Lyd s;
             const int noder[] = {84, 88, 91, 96, 91, 96};
             for (int i = 0; i < 6; ++i)
                 glockenspiel(s, 0.02 + i * 0.16, noder[i]);
             return s;
         }},
        {u"Melodi"_qs, [] {
             return melodi({{67, 1}, {72, 1}, {76, 1}, {79, 2}, {76, 1}, {77, 1}, {74, 1}, {72, 3}}, 0.18, floejte);
         }},
        {u"Ohhnoo"_qs, [] {
             Lyd s;
             // Two sighing, falling syllables.
             for (int del = 0; del < 2; ++del) {
                 const double t0 = 0.05 + del * 0.7;
                 const double f0 = del ? tone(62) : tone(67);
                 plads(s, t0 + 0.7);
                 double fase = 0;
                 for (size_t i = 0; i < size_t(0.6 * rate); ++i) {
                     const double x = double(i) / rate;
                     fase += 2 * pi * f0 * (1.0 - 0.12 * x / 0.6) * (1 + 0.01 * std::sin(2 * pi * 6 * x)) / rate;
                     const double a = std::min(1.0, x / 0.05) * std::min(1.0, (0.6 - x) / 0.15);
                     s[size_t(t0 * rate) + i] += a * (std::sin(fase) + 0.35 * std::sin(2 * fase) + 0.1 * std::sin(3 * fase));
                 }
             }
             return s;
         }},
        {u"Promenade"_qs, [] {
             return melodi({{67, 1}, {65, 1}, {70, 1}, {72, 1}, {77, 1}, {74, 1}, {72, 1}, {77, 1},
                            {74, 1}, {70, 1}, {72, 1}, {67, 1}, {65, 2}},
                           0.2, messing);
         }},
        {u"Ringeklokke"_qs, [] {
             Lyd s;
             for (int i = 0; i < 22; ++i)
                 klang(s, 0.02 + i * 0.065, tone(88), 0.3, {{{1.0, 1.0, 9.0}}, {{2.76, 0.4, 14.0}}});
             return s;
         }},
        {u"Stortromme"_qs, [] {
             Lyd s;
             stortromme(s, 0.02);
             stortromme(s, 0.5);
             stortromme(s, 0.98, 1.2);
             return s;
         }},
        {u"Strengefanfare"_qs, [] {
             Lyd s;
             const std::vector<std::vector<int>> akkorder = {{60, 64, 67}, {65, 69, 72}, {67, 71, 74}, {72, 76, 79}};
             for (size_t i = 0; i < akkorder.size(); ++i)
                 for (int midi : akkorder[i])
                     strygere(s, 0.05 + i * 0.5, midi, i + 1 == akkorder.size() ? 0.9 : 0.46);
             return s;
         }},
        {u"Telefonlyd"_qs, [] {
             Lyd s;
             for (int ring = 0; ring < 2; ++ring) {
                 const double t0 = 0.05 + ring * 1.1;
                 plads(s, t0 + 0.8);
                 for (size_t i = 0; i < size_t(0.8 * rate); ++i) {
                     const double x = double(i) / rate;
                     const double f = std::fmod(x * 16.0, 1.0) < 0.5 ? 1000.0 : 1250.0;
                     const double a = std::min(1.0, x / 0.01) * std::min(1.0, (0.8 - x) / 0.02);
                     s[size_t(t0 * rate) + i] += a * std::sin(2 * pi * f * x);
                 }
             }
             return s;
         }},
        {u"Tromme"_qs, [] {
             Lyd s;
             std::mt19937 rnd(7);
             for (int i = 0; i < 24; ++i)
                 lilletromme(s, 0.02 + i * 0.05, 0.3 + 0.7 * i / 24.0, rnd);
             lilletromme(s, 1.3, 1.0, rnd);
             stortromme(s, 1.3);
             return s;
         }},
        {u"Trumpet"_qs, [] {
             return melodi({{67, 0.5}, {67, 0.5}, {67, 0.5}, {72, 1.5}, {76, 0.5}, {79, 1}, {76, 0.5}, {79, 2.5}},
                           0.22, messing);
         }},
        {u"Zylo"_qs, [] {
             Lyd s;
             const int op[] = {72, 74, 76, 77, 79, 81, 83, 84, 83, 81, 79, 77, 76, 74, 72};
             for (int i = 0; i < 15; ++i)
                 xylofon(s, 0.02 + i * 0.09, op[i]);
             return s;
         }},
    };
}

bool skrivWav(const QString& sti, Lyd s)
{
    double top = 0;
    for (double v : s)
        top = std::max(top, std::abs(v));
    const double skala = top > 0 ? 0.8 / top : 0;
    QByteArray data;
    const auto u32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) data.append(char(v >> (8 * i))); };
    const auto u16 = [&](quint16 v) { data.append(char(v)); data.append(char(v >> 8)); };
    const quint32 bytes = quint32(s.size() * 2);
    data.append("RIFF");
    u32(36 + bytes);
    data.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    data.append("data");
    u32(bytes);
    for (double v : s)
        u16(quint16(qint16(std::lround(std::clamp(v * skala, -1.0, 1.0) * 32767))));
    QFile f(sti);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "brug: lydgen <mappe>\n");
        return 2;
    }
    const QString mappe = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(mappe);
    const auto alle = lyde();
    for (const QString& navn : kv::programfiler::alarmlyde) {
        const auto it = alle.find(navn);
        if (it == alle.end() || !skrivWav(mappe + u'/' + navn + u".wav"_qs, it->second())) {
            std::fprintf(stderr, "lydgen: %s kunne ikke laves\n", qPrintable(navn));
            return 1;
        }
    }
    return 0;
}
