// The profile format on a list of lines: comments, a key's line, its value, integers.
// Portable: no Windows header here. tprofiler (profiler.h) puts a file under it.
//
// A setting is one line: key, separator, value. The value is everything after the first
// separator. Empty lines and lines that begin with "//" are comments. Keys are compared byte
// by byte, and the topmost line of a key is its line.
#pragma once
#include <cstdint>
#include <string>

#include "stringlist.h"

// Deletes the comment lines, keeping the order of the others.
void DropComments(tstringlistex& lines);

// The index of the key's line, or -1: the first line that, followed by the separator, begins
// with the key followed by the separator (the line begins with key and separator, or is the
// key alone).
std::int32_t FindKeyLine(const tstringlistex& lines, const std::string& key, const std::string& separator);

// The key's value, or def when the key has no line. A line that is the key alone gives the key.
std::string ReadValue(const tstringlistex& lines, const std::string& key, const std::string& separator,
                      const std::string& def);

// Deletes the key's line, if any, and puts key, separator and value at the top.
void WriteValue(tstringlistex& lines, const std::string& key, const std::string& separator, const std::string& value);

// Converts text as a profile integer: leading spaces skipped, then either "$" and hexadecimal
// digits whose value fits 32 bits (taken as signed, so $FFFFFFFF is -1), or an optional sign and
// decimal digits from -2147483648 to 2147483647, and nothing after the digits. Returns false,
// leaving value alone, when the text is no integer.
bool ParseInteger(const std::string& text, std::int32_t& value);

// Decimal, "-" in front when negative, no leading zeros.
std::string FormatInteger(std::int32_t value);
