// The two errors that leave the settings store. Portable: no Windows header here.
#pragma once
#include <stdexcept>
#include <string>

// A range check of a string list failed. Its message is empty, as it always has been; it
// signals a programming fault, never bad input.
class ListError : public std::exception {
public:
    const char* what() const noexcept override { return ""; }
};

// A file could not be opened, created, read, written or replaced. Carries the operating
// system's error code; the message says what failed, on which file, and why, for example:
//   cannot write "C:\app\profile\zelloc.txt": Access is denied. (5)
class FileError : public std::runtime_error {
public:
    FileError(const std::string& message, const std::string& path, unsigned long code)
        : std::runtime_error(message), path_(path), code_(code) {}

    const std::string& path() const { return path_; }
    unsigned long code() const { return code_; }

private:
    std::string path_;
    unsigned long code_;
};
