#include "platform/system.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>

namespace bv::platform {

std::string environmentValue(const char* name) {
    const char* value = name ? std::getenv(name) : nullptr;
    return value ? value : "";
}

std::string machineIdText() {
    std::FILE* f = std::fopen("/etc/machine-id", "rb");
    if (!f) return "";
    char line[65] = {};
    const size_t n = std::fread(line, 1, sizeof line - 1, f);
    std::fclose(f);
    std::string text(line, n);
    const size_t end = text.find_first_of("\r\n");
    if (end != std::string::npos) text.resize(end);
    return text;
}

double processCpuMs() {
    timespec t{};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t) != 0) return 0.0;
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1.0e6;
}

} // namespace bv::platform
