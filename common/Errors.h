#pragma once
#include <stdexcept>
#include <string>

// Failures that end a guarded command. The guard shows the command's own message.
class TavorenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An archive, settings or output file could not be opened, read or written.
class IoError : public TavorenError {
public:
    using TavorenError::TavorenError;
};

// A stored text that should be a number, a date or hexadecimal is not.
class ConversionError : public TavorenError {
public:
    using TavorenError::TavorenError;
};
