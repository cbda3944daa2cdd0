#pragma once

#include <stdexcept>
#include <string>

// Every failure that ends a handler derives from LumavertError. TForm1::Run is
// the one place that catches them and shows the platform's error box; the
// message is cp1252 text meant for the user.
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
