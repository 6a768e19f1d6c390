// The order of the language files. Portable: no Windows header here, so the host build (fuzzing)
// compiles it too.
#pragma once
#include <string>

// Plain unsigned byte order that heeds case: negative when a sorts before b, 0 when they are
// equal, positive when a sorts after b. A string sorts before every longer string that begins
// with it; a string that has ended counts as byte 0 against the other.
int CompareBytewise(const std::string& a, const std::string& b);
