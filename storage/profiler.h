// tprofiler: key and value access to a settings file in the profile format (profilelines.h).
// Win32 layer.
//
// The file is read whole when the profile is created; reads and writes work on the lines in
// memory. Call Flush() where the profile would be released: it writes the file if anything was
// written, and a failed save raises FileError there, to the code that owns the profile. The
// destructor only frees; it never writes (a destructor must not throw).
#pragma once
#include <cstdint>
#include <string>

#include "stringlist.h"

class tprofiler {
public:
    // Makes the file's directory exist (ForceDirs of its directory part, also when the profile
    // is only read), loads the file if there is one and drops its comment lines. A file that
    // exists but cannot be read raises FileError.
    explicit tprofiler(const std::string& filename);
    tprofiler(const tprofiler&) = delete;
    tprofiler& operator=(const tprofiler&) = delete;

    // The bytes after the key line's first comma (the key itself for a line that is the key
    // alone), or def when the key has no line.
    std::string ReadString(const std::string& key, const std::string& def) const;
    // The value as a profile integer (ParseInteger), or def when there is none.
    std::int32_t ReadInteger(const std::string& key, std::int32_t def) const;
    // Whether the value is a non-zero integer, or def when it is no integer.
    bool ReadBool(const std::string& key, bool def) const;

    // Replaces the key's line by key,value at the top of the lines.
    void WriteString(const std::string& key, const std::string& value);
    void WriteInteger(const std::string& key, std::int32_t value);
    void WriteBool(const std::string& key, bool value);

    // Saves the lines to the file if anything was written (the mark stays). Raises FileError,
    // leaving the old file as it was, when the file cannot be written.
    void Flush();

    const std::string& FileName() const { return filename_; }
    const tstringlistex& Lines() const { return lines_; }

private:
    std::string separator_;
    bool modified_ = false;
    // Set while a write changes the lines. Profiles live on one thread, so it is always clear
    // when a write begins; a write that finds it set waits for it.
    bool busy_ = false;
    tstringlistex lines_;
    std::string filename_;
};
