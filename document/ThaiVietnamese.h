#pragma once

#include <string_view>

// Thai and Vietnamese text in their code pages, recognised by how their
// letters combine: ICU's charset detector knows neither.

// Windows-874 (TIS-620 with a few more signs): Thai vowel and tone marks
// stand above or below the consonant before them, so nearly every one
// follows a consonant or another mark.
bool LooksLikeThai(std::string_view bytes);

// Windows-1258: the tones are marks written after their vowel, a plain one
// or one of the letters with a circumflex, breve or horn.
bool LooksLikeVietnamese(std::string_view bytes);
