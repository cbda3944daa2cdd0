#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// A few bytes looked up in one step each, for scanning text for the
// characters a format has to escape: a string's find_first_of looks each
// byte of the text up in the set with a call of its own.
class ByteSet {
public:
    constexpr explicit ByteSet(std::string_view bytes) {
        for (const char c : bytes)
            in_[static_cast<unsigned char>(c)] = true;
    }

    // Where the first byte of the set lies in `text`; npos when none does.
    constexpr std::size_t FindIn(std::string_view text) const {
        for (std::size_t at = 0; at < text.size(); ++at)
            if (in_[static_cast<unsigned char>(text[at])])
                return at;
        return std::string_view::npos;
    }

private:
    std::array<bool, 256> in_{};
};
