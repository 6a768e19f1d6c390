// The byte stream of the list's stream operations. Portable: no Windows header here.
#pragma once
#include <cstddef>
#include <string>

// A sequence of bytes with a current position; reads and writes happen at the position and
// move it.
class tbytestream {
public:
    virtual ~tbytestream() = default;
    virtual std::size_t Size() const = 0;
    virtual std::size_t Position() const = 0;
    // Reads up to size bytes; returns how many were read.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
    virtual void Write(const char* data, std::size_t size) = 0;
};

// A stream over bytes held in memory.
class tmemorystream : public tbytestream {
public:
    tmemorystream() = default;
    explicit tmemorystream(std::string bytes) : bytes_(std::move(bytes)) {}

    std::size_t Size() const override { return bytes_.size(); }
    std::size_t Position() const override { return position_; }
    void Seek(std::size_t position) { position_ = position < bytes_.size() ? position : bytes_.size(); }
    std::size_t Read(char* buffer, std::size_t size) override;
    void Write(const char* data, std::size_t size) override;
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::size_t position_ = 0;
};
