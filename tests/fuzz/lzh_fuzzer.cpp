// Fuzz target over the container parser and the decoder, and the encoder's round trip.
// Built with libFuzzer by scripts/fuzz.sh; the tests replay the corpus through it.
#include "codec/Container.h"
#include "codec/LzhPack.h"
#include "ui/Exception.h"
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    try {
        UnpackContainer(input);
    } catch (const Exception&) {
        // Rejected input is fine; reading or writing outside a table is not.
    }
    if (UnpackContainer(PackContainer(input)) != input) std::abort();
    return 0;
}
