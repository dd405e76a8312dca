// The exception classes the program raises. Messages are the program's own fixed texts.
#pragma once

#include <stdexcept>
#include <string>

namespace lenzor {

// Base of every error the program raises on purpose; shown by the general error box.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ERangeError : public Exception {  // a value outside its range, a wrong data type
public:
    using Exception::Exception;
};

class EOverflowError : public Exception {  // integer arithmetic that would overflow
public:
    using Exception::Exception;
};

class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

class EInvalidArgument : public Exception {
public:
    using Exception::Exception;
};

class EIniFileException : public Exception {  // "Unable to write to %s"
public:
    using Exception::Exception;
};

class EVariantError : public Exception {  // a variant that cannot take the needed kind
public:
    using Exception::Exception;
};

class EListError : public Exception {  // "List index out of bounds (%d)"
public:
    using Exception::Exception;
};

class EInvalidCast : public Exception {  // an object that is not of the class asked for
public:
    using Exception::Exception;
};

class EImageError : public Exception {  // a picture that cannot be decoded or converted
public:
    using Exception::Exception;
};

// Replaces the first "%s" (or "%d") of a fixed message with the argument.
std::string FormatMessage1(const std::string& pattern, const std::string& argument);

}  // namespace lenzor
