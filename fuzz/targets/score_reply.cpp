// What the online scores read from outside the game: the score server's registration reply, the
// settings file's server line and the machine-id text. Then what the game does next with them:
// the reply's code becomes an outcome, and a server address becomes the start of a request.
#include <string>
#include <string_view>

#include "fuzz.h"
#include "levels/score_service.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const std::string_view input(text, size);

    // The reply ends with "Done" among its last 15 bytes; the code is the number after "GID:".
    const bv::RegisterReply reply = bv::readRegisterReply(text, size);
    FUZZ_CHECK(reply.code >= 0);
    FUZZ_CHECK(reply.ended || reply.code == 0);
    if (reply.ended) {
        const size_t done = input.rfind("Done");
        FUZZ_CHECK(done != std::string_view::npos && size - done <= 15 && size - done >= 4);
    }
    if (reply.code != 0) FUZZ_CHECK(input.find("GID:") != std::string_view::npos);
    const int32_t result = bv::registerResult(reply.code);
    FUZZ_CHECK(result >= 0 && result <= 3);

    // A server comes out as http:// or https:// with a host, no trailing '/', nothing unprintable.
    const std::string server = bv::serverFromSettings(input);
    if (!server.empty()) {
        FUZZ_CHECK(server.size() >= 8 && server.back() != '/');
        for (char c : server) FUZZ_CHECK(static_cast<unsigned char>(c) > ' ' && c != 127);
        const std::string request =
            server + bv::registerRequestPath(input.substr(0, 60), "name", "secret1", 7);
        for (char c : request.substr(server.size()))
            FUZZ_CHECK(static_cast<unsigned char>(c) > ' ' && c != 127);
    }

    // The machine id: 32 hex digits fold to a number, anything else to 0.
    if (size != 32) FUZZ_CHECK(bv::foldMachineId(input) == 0);
    return 0;
}
