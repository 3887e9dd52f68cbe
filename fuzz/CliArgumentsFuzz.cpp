// The command line of brindlewick-cli: the input, split at zero bytes, is the argument list.
// Whatever it holds, the program ends with exit code 0, 1 or 2 and never crashes. It runs in
// a folder of its own holding a small campaign and a scenario, put back after every run;
// arguments are kept inside that folder (no "/" and no "..").
#include "Commands.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> Kept = {"Camp.cpn", "Demo.scn"};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class Sandbox {
public:
    Sandbox() {
        std::string pattern = "/dev/shm/cli-arguments-XXXXXX";
        if (!::mkdtemp(pattern.data()) || ::chdir(pattern.c_str()) != 0)
            std::abort();
        writeFile("Demo.scn", "1.18" + std::string(96, 'x'));
        std::ostringstream out, err;
        if (RunCli({"create", "Camp.cpn", "--title", "Fuzz", "Demo.scn", "Demo.scn"}, out, err) !=
            0)
            std::abort();
        for (const auto& name : Kept)
            m_original.push_back(readFile(name));
    }

    // Removes whatever a run made and restores the two files.
    void Restore() const {
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(".")) {
            const std::string name = entry.path().filename().string();
            if (std::find(Kept.begin(), Kept.end(), name) == Kept.end()) {
                fs::permissions(entry.path(), fs::perms::owner_all, ignored);
                fs::remove_all(entry.path(), ignored);
            }
        }
        for (std::size_t i = 0; i < Kept.size(); ++i)
            if (readFile(Kept[i]) != m_original[i])
                writeFile(Kept[i], m_original[i]);
    }

private:
    std::vector<std::string> m_original;
};

std::vector<std::string> argumentsOf(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    return arguments;
}

bool staysInside(const std::vector<std::string>& arguments) {
    return std::none_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return argument.find('/') != std::string::npos || argument.find("..") != std::string::npos;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Sandbox sandbox;
    const auto arguments = argumentsOf(data, size);
    if (arguments.size() > 64 || !staysInside(arguments))
        return 0;
    std::ostringstream out, err;
    const int status = RunCli(arguments, out, err);
    if (status < 0 || status > 2)
        __builtin_trap();
    if (status != 0 && err.str().empty() && out.str().empty())
        __builtin_trap(); // every failure says why
    sandbox.Restore();
    return 0;
}
