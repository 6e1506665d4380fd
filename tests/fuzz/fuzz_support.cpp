#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

std::string g_scratch;

void RemoveScratch() {
    std::error_code ec;
    if (!g_scratch.empty()) std::filesystem::remove_all(g_scratch, ec);
}

[[noreturn]] void Die(const std::string& what) {
    std::fprintf(stderr, "fuzz set-up: %s\n", what.c_str());
    std::exit(1);
}

}  // namespace

void EnterScratchFolder(int* argc, char*** argv) {
    std::error_code ec;
    for (int i = 1; i < *argc; ++i) {
        if ((*argv)[i][0] == '-') continue;
        // Kept for the life of the process, as libFuzzer reads the arguments after this.
        (*argv)[i] = strdup(std::filesystem::absolute((*argv)[i]).c_str());
    }
    // Every input is written once: memory-backed files keep that cheap.
    const std::string base = std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : "/tmp";
    std::string pattern = base + "/stroylik_fuzz_XXXXXX";
    if (!mkdtemp(pattern.data())) Die("cannot make a scratch folder in " + base);
    g_scratch = pattern;
    std::atexit(RemoveScratch);
    std::filesystem::current_path(g_scratch, ec);
    if (ec) Die("cannot enter " + g_scratch + ": " + ec.message());
}

void WriteInput(const std::string& path, const uint8_t* data, size_t size) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    std::error_code ec;
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) Die("cannot write " + path);
    const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
    if (std::fclose(f) != 0 || !ok) Die("cannot write " + path);
}

std::string GameFile(const std::string& relative) { return std::string(STROYLIK_GAME_DIR) + "/" + relative; }

void CopyGameFile(const std::string& relative, const std::string& to) {
    std::ifstream in(GameFile(relative), std::ios::binary);
    if (!in) Die("cannot read " + GameFile(relative) + " (build the game data first)");
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    WriteInput(to, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

void Finding(const std::string& what) {
    std::fprintf(stderr, "FINDING: %s\n", what.c_str());
    std::abort();
}
