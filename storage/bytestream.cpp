#include "bytestream.h"

#include <cstring>

std::size_t tmemorystream::Read(char* buffer, std::size_t size) {
    std::size_t n = bytes_.size() - position_;
    if (n > size) n = size;
    if (n > 0) std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

void tmemorystream::Write(const char* data, std::size_t size) {
    std::size_t end = position_ + size;
    if (end > bytes_.size()) bytes_.resize(end);
    if (size > 0) std::memcpy(&bytes_[position_], data, size);
    position_ = end;
}
