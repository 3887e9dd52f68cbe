// The stored-name sanitiser: any bytes become one file name that stays inside the folder it
// is written to and that a Linux file system takes.
#include "Utils.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool hasControl(const std::string& name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0u;
        if (c < 0x20 || c == 0x7F || (c == 0xC2 && next >= 0x80 && next <= 0x9F))
            return true;
    }
    return false;
}

bool isSafeComponent(const std::string& name) {
    return !name.empty() && name.size() <= 255 && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos && !hasControl(name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view stored(reinterpret_cast<const char*>(data), size);
    const std::string safe = SafeFileName(stored, "scenario-1.scn");
    if (!isSafeComponent(safe))
        __builtin_trap();
    return 0;
}
