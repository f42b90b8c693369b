// bvtext IN.txt OUT.txt: converts the UTF-8 source of the string table into the UTF-16LE file
// the game reads, starting with the byte-order mark. Every character is converted as it is
// (line ends included); a byte-order mark at the start of the input is not repeated. Invalid
// UTF-8 and characters outside the Basic Multilingual Plane (which would need two units) are
// refused with the line they are on. The output is written to OUT.tmp and renamed over OUT.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Decoded {
    bool ok;
    uint32_t code;
    size_t length;
    const char* problem;
};

// Decodes one UTF-8 sequence starting at bytes[at]: shortest form only, no surrogates.
Decoded decodeOne(const std::vector<uint8_t>& bytes, size_t at) {
    const uint8_t lead = bytes[at];
    if (lead < 0x80) return {true, lead, 1, nullptr};
    size_t length = 0;
    uint32_t code = 0;
    uint32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07u, minimum = 0x10000;
    } else {
        return {false, 0, 1, "invalid UTF-8"};
    }
    if (at + length > bytes.size()) return {false, 0, 1, "invalid UTF-8 (cut off at the end)"};
    for (size_t i = 1; i < length; ++i) {
        uint8_t next = bytes[at + i];
        if ((next & 0xC0u) != 0x80u) return {false, 0, 1, "invalid UTF-8"};
        code = code << 6 | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF) return {false, 0, 1, "invalid UTF-8"};
    if (code >= 0xD800 && code <= 0xDFFF) return {false, 0, 1, "invalid UTF-8 (a surrogate)"};
    if (code > 0xFFFF) return {false, 0, 1, "a character outside the Basic Multilingual Plane"};
    return {true, code, length, nullptr};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bvtext IN.txt OUT.txt\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "bvtext: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        std::fprintf(stderr, "bvtext: cannot read %s\n", argv[1]);
        return 1;
    }

    std::string out;
    out.reserve(bytes.size() * 2 + 2);
    auto putUnit = [&out](uint32_t unit) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    };
    putUnit(0xFEFF);
    size_t at = 0;
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) at = 3;
    int line = 1;
    while (at < bytes.size()) {
        Decoded d = decodeOne(bytes, at);
        if (!d.ok) {
            std::fprintf(stderr, "bvtext: %s:%d: %s\n", argv[1], line, d.problem);
            return 1;
        }
        putUnit(d.code);
        if (d.code == '\n') ++line;
        at += d.length;
    }

    const std::string outPath = argv[2];
    const std::string tempPath = outPath + ".tmp";
    {
        std::ofstream file(tempPath, std::ios::binary | std::ios::trunc);
        file.write(out.data(), static_cast<std::streamsize>(out.size()));
        file.close();
        if (!file) {
            std::fprintf(stderr, "bvtext: cannot write %s\n", tempPath.c_str());
            std::remove(tempPath.c_str());
            return 1;
        }
    }
    if (std::rename(tempPath.c_str(), outPath.c_str()) != 0) {
        std::fprintf(stderr, "bvtext: cannot rename %s to %s\n", tempPath.c_str(), outPath.c_str());
        std::remove(tempPath.c_str());
        return 1;
    }
    return 0;
}
