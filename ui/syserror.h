// The system's reason text for an error code, for messages that say why something failed.
#pragma once
#include <string>

namespace ui {

// For example "Access is denied. (5)"; just "(code)" when the system has no text for it.
std::string SystemReason(unsigned long code);

} // namespace ui
