// The text file layer of the host build (fuzzing, benchmarks), on the standard library alone.
// The program itself uses textfile_win32.cpp.
#include "textfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "errors.h"
#include "linereader.h"
#include "stringlist.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void Fail(const char* action, const std::string& path, int code) {
    throw FileError(std::string(action) + " \"" + path + "\": " + std::strerror(code) + " (" +
                        std::to_string(code) + ")",
                    path, static_cast<unsigned long>(code));
}

} // namespace

void LoadTextFile(const std::string& filename, tstringlistex& lines) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(filename, ec)) return;
    FilePtr f(std::fopen(filename.c_str(), "rb"));
    if (!f) Fail("cannot open", filename, errno);
    // The pieces are our own buffer: fread then reads straight into them, with no second copy
    // through a buffer of the stream's own.
    std::setvbuf(f.get(), nullptr, _IONBF, 0);
    auto size = std::filesystem::file_size(filename, ec);
    if (!ec) lines.SetCapacity(static_cast<std::int32_t>(std::min<std::uintmax_t>(size / 28, tstringlistex::MaxCapacity)));
    tlinereader reader(lines);
    char piece[tlinereader::PieceSize];
    while (!reader.Ended()) {
        std::size_t got = std::fread(piece, 1, sizeof piece, f.get());
        if (got == 0) {
            if (std::ferror(f.get())) Fail("cannot read", filename, errno);
            break;
        }
        reader.Feed(piece, got);
    }
    reader.Finish();
    lines.SetCapacity(lines.Count());
}

// Written beside the target and renamed over it, so the target is never seen half written.
void SaveTextFile(const std::string& filename, const tstringlistex& lines) {
    const std::string temp = filename + ".tmp~";
    {
        FilePtr f(std::fopen(temp.c_str(), "wb"));
        if (!f) Fail("cannot create", filename, errno);
        bool ok = true;
        for (std::int32_t i = 0; ok && i < lines.Count(); ++i) {
            const std::string& line = lines.At(i);
            ok = std::fwrite(line.data(), 1, line.size(), f.get()) == line.size() &&
                 std::fwrite("\r\n", 1, 2, f.get()) == 2;
        }
        int code = errno;
        if (ok && std::fflush(f.get()) != 0) {
            ok = false;
            code = errno;
        }
        if (!ok) {
            f.reset();
            std::remove(temp.c_str());
            Fail("cannot write", filename, code);
        }
    }
    if (std::rename(temp.c_str(), filename.c_str()) != 0) {
        int code = errno;
        std::remove(temp.c_str());
        Fail("cannot replace", filename, code);
    }
}
