// The settings store against plain buffered I/O on the same bytes: loading and saving a 10 MB
// profile, and reading the last key of a 100,000-line profile. Host build (Google Benchmark).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#include "profilelines.h"
#include "stringlist.h"

namespace {

std::string ScratchPath(const char* name) {
    return std::string("/tmp/setup-bench-") + std::to_string(getpid()) + "-" + name;
}

// A profile of about `bytes` bytes: comments, empty lines and settings of mixed length.
std::string MakeProfile(std::size_t bytes, std::size_t* lines = nullptr) {
    std::string text;
    std::size_t n = 0;
    while (text.size() < bytes) {
        if (n % 50 == 0) text += "// section " + std::to_string(n) + "\r\n";
        text += "key" + std::to_string(n) + "," + std::string(10 + n % 90, 'a' + n % 26) + "\r\n";
        ++n;
    }
    if (lines) *lines = n;
    return text;
}

void WriteWhole(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// Baseline: the same bytes read through an 8 KB buffer into one string of the file's size.
void BM_PlainRead10MB(benchmark::State& state) {
    std::string path = ScratchPath("plain-read");
    WriteWhole(path, MakeProfile(10 << 20));
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        std::string bytes;
        bytes.reserve(10 << 20);
        char buffer[8192];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, got);
        std::fclose(f);
        benchmark::DoNotOptimize(bytes.data());
    }
    std::remove(path.c_str());
}

// A profile's load: the file's lines by the reader's rules, then the comments dropped.
void BM_ProfileLoad10MB(benchmark::State& state) {
    std::string path = ScratchPath("profile-load");
    WriteWhole(path, MakeProfile(10 << 20));
    for (auto _ : state) {
        tstringlistex lines;
        lines.LoadFromFile(path);
        DropComments(lines);
        benchmark::DoNotOptimize(lines.Count());
    }
    std::remove(path.c_str());
}

// Baseline: the same bytes written through an 8 KB buffer.
void BM_PlainWrite10MB(benchmark::State& state) {
    std::string path = ScratchPath("plain-write");
    tstringlistex lines;
    lines.SetTextStr(MakeProfile(10 << 20));
    std::string bytes = lines.GetTextStr();
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        for (std::size_t at = 0; at < bytes.size(); at += 8192)
            std::fwrite(bytes.data() + at, 1, std::min<std::size_t>(8192, bytes.size() - at), f);
        std::fclose(f);
    }
    std::remove(path.c_str());
}

// A profile's save after one write: the key moves to the top, the whole file is written.
void BM_ProfileSave10MB(benchmark::State& state) {
    std::string path = ScratchPath("profile-save");
    tstringlistex lines;
    lines.SetTextStr(MakeProfile(10 << 20));
    DropComments(lines);
    for (auto _ : state) {
        WriteValue(lines, "gfxmode", ",", "1");
        lines.SaveToFile(path);
    }
    std::remove(path.c_str());
}

// The last key of a 100,000-line profile: every read walks the lines from the top.
void BM_ReadLastKey100kLines(benchmark::State& state) {
    tstringlistex lines;
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "key" + std::to_string(i) + ",value" + std::to_string(i) + "\r\n";
    lines.SetTextStr(text);
    std::int32_t value = 0;
    for (auto _ : state) {
        ParseInteger(ReadValue(lines, "key99999", ",", "0").substr(5), value);
        benchmark::DoNotOptimize(value);
    }
}

} // namespace

BENCHMARK(BM_PlainRead10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProfileLoad10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProfileSave10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLastKey100kLines)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
