// Ogg Vorbis encoding in memory.
#include "ogg.h"

#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

#include "out.h"

namespace bv::gen {

namespace {
void appendPage(std::vector<uint8_t>& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}
} // namespace

std::vector<uint8_t> encodeOgg(const std::vector<int16_t>& samples, int channels, int rate, float quality,
                               int serial) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, quality) != 0)
        die("vorbis encoder refused its settings");
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "brickvale content");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, serial);

    std::vector<uint8_t> out;
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page)) appendPage(out, page);

    const size_t frames = samples.size() / size_t(channels);
    const size_t chunk = 4096;
    size_t done = 0;
    bool finished = false;
    while (!finished) {
        size_t n = std::min(chunk, frames - done);
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, int(n));
            for (size_t i = 0; i < n; ++i)
                for (int c = 0; c < channels; ++c)
                    buffer[c][i] = float(samples[(done + i) * size_t(channels) + size_t(c)]) / 32768.f;
            vorbis_analysis_wrote(&dsp, int(n));
            done += n;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page)) {
                    appendPage(out, page);
                    if (ogg_page_eos(&page)) finished = true;
                }
            }
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    if (decodedFrames(out) != int64_t(frames))
        die("an encoded stream does not decode to its %zu frames", frames);
    return out;
}

namespace {

struct Memory {
    const std::vector<uint8_t>* bytes;
    size_t at;
};

size_t readMemory(void* target, size_t size, size_t count, void* source) {
    Memory* m = static_cast<Memory*>(source);
    size_t n = std::min(size * count, m->bytes->size() - m->at);
    std::memcpy(target, m->bytes->data() + m->at, n);
    m->at += n;
    return size ? n / size : 0;
}

} // namespace

int64_t decodedFrames(const std::vector<uint8_t>& ogg) {
    Memory memory{&ogg, 0};
    ov_callbacks callbacks = {readMemory, nullptr, nullptr, nullptr};
    OggVorbis_File file;
    if (ov_open_callbacks(&memory, &file, nullptr, 0, callbacks) != 0) return -1;
    int64_t frames = 0;
    float** pcm = nullptr;
    int section = 0;
    long n;
    while ((n = ov_read_float(&file, &pcm, 4096, &section)) > 0) frames += n;
    ov_clear(&file);
    return n < 0 ? -1 : frames;
}

} // namespace bv::gen
