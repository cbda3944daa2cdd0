#pragma once

#include <stdexcept>
#include <string>

// Every failure that ends a user's command derives from LumavertError. The
// window and the command line each catch them in one place and show the
// message, which is UTF-8 text meant for the user.
class LumavertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that does not convert to a number. The message names the text.
class ConvertError : public LumavertError {
public:
    using LumavertError::LumavertError;
};

// A list position that does not exist. The message names the position.
class ListIndexError : public LumavertError {
public:
    using LumavertError::LumavertError;
};

// A division by zero in frame or rate arithmetic.
class DivisionError : public LumavertError {
public:
    using LumavertError::LumavertError;
};

// The settings store could not be opened, read or written.
class SettingsError : public LumavertError {
public:
    using LumavertError::LumavertError;
};

// A file could not be read or written. The message names the file.
class FileError : public LumavertError {
public:
    using LumavertError::LumavertError;
};

// A character that the encoding a text is written in cannot hold; nothing
// has been written. The message names the character and the encoding.
class EncodingError : public FileError {
public:
    EncodingError(const std::string &message, char32_t character, std::size_t line)
        : FileError(message), character(character), line(line) {}
    char32_t character;
    std::size_t line; // the index of the line that holds it
};
