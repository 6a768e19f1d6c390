// The line rules of a text file, applied to its bytes as they arrive, piece by piece.
// Portable: no Windows header here.
//
// A line ends at CR; an LF right after a CR belongs to that line end (also when the CR ends one
// piece and the LF starts the next), any other LF is an ordinary byte. The byte 26 ends the
// file. The end of the file ends the last line; a file that ends with a line end has no empty
// last line. Every other byte, NUL included, is kept.
#pragma once
#include <cstddef>
#include <string>

class tstringlistex;

class tlinereader {
public:
    // The size of the pieces the file layers read and write.
    static const std::size_t PieceSize = 8192;

    explicit tlinereader(tstringlistex& lines) : lines_(lines) {}
    tlinereader(const tlinereader&) = delete;
    tlinereader& operator=(const tlinereader&) = delete;

    // Takes the next bytes of the file; ignored once the file has ended.
    void Feed(const char* data, std::size_t size);
    // The end of the file: adds the last line if it had no line end.
    void Finish();
    // True once the byte 26 was seen: the rest of the file need not be read.
    bool Ended() const { return ended_; }

private:
    tstringlistex& lines_;
    std::string line_;
    bool afterCR_ = false;
    bool ended_ = false;
};
