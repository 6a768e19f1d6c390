// Text files on Windows: read and written in pieces of 8192 bytes, and saved by replacing the
// old file in one step, so that it never holds half of a save.
#include "textfile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <windows.h>

#include "fileerror_win32.h"
#include "linereader.h"
#include "paths.h"
#include "stringlist.h"
#include "winhandles.h"

namespace {

// While another process holds the target open, the replace fails with access denied or a
// sharing violation; it is tried again for about a second before the save gives up.
const int ReplaceAttempts = 20;
const DWORD ReplacePauseMs = 50;

// Collects bytes into one piece and writes it with WriteFile when it is full.
class tpiecewriter {
public:
    explicit tpiecewriter(HANDLE file) : file_(file) {}
    tpiecewriter(const tpiecewriter&) = delete;
    tpiecewriter& operator=(const tpiecewriter&) = delete;

    // False when a WriteFile failed; GetLastError then holds the reason.
    bool Write(const char* data, std::size_t size) {
        while (size > 0) {
            std::size_t n = std::min(size, sizeof piece_ - used_);
            std::memcpy(piece_ + used_, data, n);
            used_ += n;
            data += n;
            size -= n;
            if (used_ == sizeof piece_ && !Flush()) return false;
        }
        return true;
    }

    bool Flush() {
        if (used_ == 0) return true;
        DWORD written = 0;
        BOOL ok = WriteFile(file_, piece_, static_cast<DWORD>(used_), &written, nullptr);
        // A short write without an error is a full disk.
        if (ok && written != used_) {
            SetLastError(ERROR_DISK_FULL);
            ok = FALSE;
        }
        used_ = 0;
        return ok != FALSE;
    }

private:
    HANDLE file_;
    char piece_[tlinereader::PieceSize];
    std::size_t used_ = 0;
};

bool IsTransientReplaceError(DWORD code) {
    return code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION;
}

// MoveFileExA with MOVEFILE_REPLACE_EXISTING replaces target in one step (readers see the old
// file or the new one, never a mixture); MOVEFILE_WRITE_THROUGH returns only once it is on disk.
// Returns 0 on success, else the last error code.
DWORD ReplaceTarget(const std::string& temp, const std::string& target) {
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
        DWORD code = GetLastError();
        if (!IsTransientReplaceError(code) || attempt == ReplaceAttempts) return code;
        Sleep(ReplacePauseMs);
    }
}

// A name beside the target, short whatever the target's name, and of this process alone.
std::string TempNameFor(const std::string& target) {
    char name[32];
    std::snprintf(name, sizeof name, "~save%08lx.tmp", static_cast<unsigned long>(GetCurrentProcessId()));
    return DirPart(target) + name;
}

// Writes the lines to temp (created, filled, flushed to disk, closed). Returns 0 or the error
// code of the failed step, with action naming it; a temp file that was created is deleted.
DWORD WriteTempFile(const std::string& temp, const tstringlistex& lines, const char*& action) {
    tfilehandle file(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        action = "cannot create";
        return GetLastError();
    }
    tpiecewriter out(file.get());
    bool ok = true;
    for (std::int32_t i = 0; ok && i < lines.Count(); ++i) {
        const std::string& line = lines.At(i);
        ok = out.Write(line.data(), line.size()) && out.Write("\r\n", 2);
    }
    // FlushFileBuffers first: the rename must never put a file in place whose bytes are
    // still only in the cache.
    ok = ok && out.Flush() && FlushFileBuffers(file.get()) && file.Close();
    if (ok) return 0;
    DWORD code = GetLastError();
    file.Close();
    DeleteFileA(temp.c_str());
    action = "cannot write";
    return code;
}

} // namespace

void LoadTextFile(const std::string& filename, tstringlistex& lines) {
    // Opened first and asked why only when that fails: a file that is there costs no second
    // look, and none can vanish between a look and the opening.
    tfilehandle file(CreateFileA(filename.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        const DWORD code = GetLastError();
        // No such file, or a name that is no file (a directory, which the open refuses with
        // access denied; a wildcard): no lines, no error.
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || !FileExists(filename)) return;
        throw MakeFileError("cannot open", filename, code);
    }
    LARGE_INTEGER size;
    if (GetFileSizeEx(file.get(), &size)) {
        // One line per 28 bytes is the guess; the capacity is trimmed to the count at the end.
        lines.SetCapacity(static_cast<std::int32_t>(
            std::min<LONGLONG>(size.QuadPart / 28, tstringlistex::MaxCapacity)));
    }
    tlinereader reader(lines);
    char piece[tlinereader::PieceSize];
    while (!reader.Ended()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), piece, sizeof piece, &got, nullptr)) throw MakeFileError("cannot read", filename, GetLastError());
        if (got == 0) break;
        reader.Feed(piece, got);
    }
    reader.Finish();
    lines.SetCapacity(lines.Count());
}

void SaveTextFile(const std::string& filename, const tstringlistex& lines) {
    // A directory, or a file the user made read-only, is not replaced. (Windows would refuse
    // the replace with access denied too; Wine run as root would not.)
    const DWORD oldattributes = GetFileAttributesA(filename.c_str());
    const bool existed = oldattributes != INVALID_FILE_ATTRIBUTES;
    if (existed && (oldattributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        throw MakeFileError("cannot write", filename, ERROR_ACCESS_DENIED);

    const std::string temp = TempNameFor(filename);
    const char* action = "";
    if (DWORD code = WriteTempFile(temp, lines, action)) throw MakeFileError(action, filename, code);
    if (DWORD code = ReplaceTarget(temp, filename)) {
        DeleteFileA(temp.c_str());
        throw MakeFileError("cannot replace", filename, code);
    }
    // The new file carries the temporary file's attributes: give back the old file's
    // (hidden, system, ...). A new file keeps the normal ones it was created with.
    if (existed && !SetFileAttributesA(filename.c_str(), oldattributes))
        throw MakeFileError("cannot restore the attributes of", filename, GetLastError());
}
