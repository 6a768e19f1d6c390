#include "profiler.h"

#include <windows.h>

#include "paths.h"
#include "profilelines.h"

namespace {

// Holds a busy flag for the time of one write; clears it also when the write throws, so that
// the next write does not wait for ever.
class tbusyguard {
public:
    explicit tbusyguard(bool& busy) : busy_(busy) {
        while (busy_) Sleep(1);
        busy_ = true;
    }
    ~tbusyguard() { busy_ = false; }
    tbusyguard(const tbusyguard&) = delete;
    tbusyguard& operator=(const tbusyguard&) = delete;

private:
    bool& busy_;
};

} // namespace

tprofiler::tprofiler(const std::string& filename) : filename_(filename) {
    ForceDirs(DirPart(filename_));
    lines_.LoadFromFile(filename_);
    DropComments(lines_);
    separator_ = ",";
}

std::string tprofiler::ReadString(const std::string& key, const std::string& def) const {
    return ReadValue(lines_, key, separator_, def);
}

std::int32_t tprofiler::ReadInteger(const std::string& key, std::int32_t def) const {
    // A missing key reads as the empty value, which is no integer.
    std::int32_t value = def;
    ParseInteger(ReadString(key, ""), value);
    return value;
}

bool tprofiler::ReadBool(const std::string& key, bool def) const {
    std::int32_t value = 0;
    return ParseInteger(ReadString(key, ""), value) ? value != 0 : def;
}

void tprofiler::WriteString(const std::string& key, const std::string& value) {
    tbusyguard guard(busy_);
    WriteValue(lines_, key, separator_, value);
    modified_ = true;
}

void tprofiler::WriteInteger(const std::string& key, std::int32_t value) { WriteString(key, FormatInteger(value)); }

void tprofiler::WriteBool(const std::string& key, bool value) { WriteString(key, value ? "1" : "0"); }

void tprofiler::Flush() {
    if (modified_) lines_.SaveToFile(filename_);
}
