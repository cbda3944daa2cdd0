#include "shell/MessageTable.h"

// PLACEHOLDER
const std::string& MessageText(int, std::uint8_t) {
    static const std::string kEmpty;
    return kEmpty;
}
