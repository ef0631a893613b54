// Synthesises one sound from a short text description and writes it as Ogg Vorbis.
//
//   amp_synth <description.snd> <out.ogg>
//
// The description holds one setting or voice per line ("#" starts a comment):
//   rate 44100            sample rate (default 44100)
//   length 0.08           seconds (default: until the last voice has died away)
//   gain 0.9              overall gain (default 1)
//   voice <wave> key=value ...
// Waves: sine, triangle, square, saw, noise. Voice keys: start (s), freq (Hz), to (Hz, an
// exponential glide over the voice's length), amp, attack (s), decay (s, the time constant
// of the exponential fall after the attack), length (s, default to the end), vibrato (Hz),
// depth (fraction of the frequency). The mix is clipped softly; the last 5 ms fade out.
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Voice {
    std::string wave = "sine";
    double start = 0, freq = 440, to = 0, amp = 0.5, attack = 0.002, decay = 0.1, length = 0;
    double vibrato = 0, depth = 0;
};

struct Sound {
    int rate = 44100;
    double length = 0;
    double gain = 1;
    std::vector<Voice> voices;
};

bool Parse(const char* path, Sound& sound)
{
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string key;
        if (!(words >> key))
            continue;
        if (key == "rate")
            words >> sound.rate;
        else if (key == "length")
            words >> sound.length;
        else if (key == "gain")
            words >> sound.gain;
        else if (key == "voice") {
            Voice v;
            words >> v.wave;
            std::string pair;
            while (words >> pair) {
                const size_t eq = pair.find('=');
                if (eq == std::string::npos) {
                    std::fprintf(stderr, "%s:%d: expected key=value, got %s\n", path, number, pair.c_str());
                    return false;
                }
                const std::string k = pair.substr(0, eq);
                const double value = std::atof(pair.c_str() + eq + 1);
                std::map<std::string, double*> fields = {
                    {"start", &v.start}, {"freq", &v.freq}, {"to", &v.to}, {"amp", &v.amp},
                    {"attack", &v.attack}, {"decay", &v.decay}, {"length", &v.length},
                    {"vibrato", &v.vibrato}, {"depth", &v.depth}};
                auto it = fields.find(k);
                if (it == fields.end()) {
                    std::fprintf(stderr, "%s:%d: unknown key %s\n", path, number, k.c_str());
                    return false;
                }
                *it->second = value;
            }
            sound.voices.push_back(v);
        } else {
            std::fprintf(stderr, "%s:%d: unknown setting %s\n", path, number, key.c_str());
            return false;
        }
    }
    if (sound.rate < 8000 || sound.rate > 192000 || sound.voices.empty()) {
        std::fprintf(stderr, "%s: needs a rate of 8000..192000 and at least one voice\n", path);
        return false;
    }
    if (sound.length <= 0)
        for (const Voice& v : sound.voices)
            sound.length = std::max(sound.length, v.start + (v.length > 0 ? v.length : v.attack + 7 * v.decay));
    sound.length = std::clamp(sound.length, 0.01, 600.0);
    return true;
}

std::vector<float> Render(const Sound& sound)
{
    const size_t count = size_t(sound.length * sound.rate);
    std::vector<float> mix(count, 0.0f);
    std::mt19937 noise(12345);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    for (const Voice& v : sound.voices) {
        const double end = v.length > 0 ? v.start + v.length : sound.length;
        const double span = std::max(end - v.start, 1e-6);
        double phase = 0;
        for (size_t i = size_t(v.start * sound.rate); i < count && double(i) / sound.rate < end; ++i) {
            const double t = double(i) / sound.rate - v.start;
            double f = v.to > 0 ? v.freq * std::pow(v.to / v.freq, t / span) : v.freq;
            if (v.vibrato > 0)
                f *= 1.0 + v.depth * std::sin(2 * M_PI * v.vibrato * t);
            phase += f / sound.rate;
            phase -= std::floor(phase);
            double s;
            if (v.wave == "sine")
                s = std::sin(2 * M_PI * phase);
            else if (v.wave == "triangle")
                s = 1.0 - 4.0 * std::fabs(phase - 0.5);
            else if (v.wave == "square")
                s = phase < 0.5 ? 1.0 : -1.0;
            else if (v.wave == "saw")
                s = 2.0 * phase - 1.0;
            else
                s = uniform(noise);
            const double envelope = t < v.attack ? t / std::max(v.attack, 1e-6)
                                                 : std::exp(-(t - v.attack) / std::max(v.decay, 1e-6));
            mix[i] += float(v.amp * envelope * s);
        }
    }
    const size_t fade = std::min(count, size_t(0.005 * sound.rate));
    for (size_t i = 0; i < count; ++i) {
        float s = float(std::tanh(mix[i] * sound.gain));
        if (i >= count - fade)
            s *= float(count - i) / float(fade);
        mix[i] = s;
    }
    return mix;
}

bool WriteOgg(const char* path, const std::vector<float>& samples, int rate)
{
    FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 1, rate, 0.5f) != 0) {
        vorbis_info_clear(&vi);
        std::fclose(out);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "amp_synth");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 0x616d70); // a fixed serial keeps builds reproducible
    ogg_page og;
    ogg_packet op;
    bool ok = true;
    auto writePage = [&](const ogg_page& page) {
        ok = ok && std::fwrite(page.header, 1, size_t(page.header_len), out) == size_t(page.header_len);
        ok = ok && std::fwrite(page.body, 1, size_t(page.body_len), out) == size_t(page.body_len);
    };

    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    while (ogg_stream_flush(&os, &og))
        writePage(og);

    size_t pos = 0;
    bool eos = false;
    while (!eos) {
        const size_t chunk = std::min<size_t>(1024, samples.size() - pos);
        if (chunk == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&vd, int(chunk));
            std::copy(samples.begin() + long(pos), samples.begin() + long(pos + chunk), buffer[0]);
            vorbis_analysis_wrote(&vd, int(chunk));
            pos += chunk;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (!eos && ogg_stream_pageout(&os, &og)) {
                    writePage(og);
                    eos = ogg_page_eos(&og) != 0;
                }
            }
        }
        if (chunk == 0 && !eos) {
            while (ogg_stream_flush(&os, &og)) {
                writePage(og);
                eos = eos || ogg_page_eos(&og) != 0;
            }
            eos = true;
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    ok = std::fclose(out) == 0 && ok;
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <description.snd> <out.ogg>\n", argv[0]);
        return 2;
    }
    Sound sound;
    if (!Parse(argv[1], sound))
        return 1;
    if (!WriteOgg(argv[2], Render(sound), sound.rate)) {
        std::fprintf(stderr, "amp_synth: cannot write %s\n", argv[2]);
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
