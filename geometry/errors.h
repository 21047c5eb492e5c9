#pragma once
// The failures a redraw cycle can end with. Each carries a plain Slovene message for the user;
// the message box shows what().

#include <stdexcept>
#include <string>

// Base of every failure the program reports to the user.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A floating-point condition that the checked arithmetic refused to turn into inf or NaN.
class EMathError : public Exception {
 public:
  using Exception::Exception;
};

// A non-zero number divided by zero.
class EZeroDivide : public EMathError {
 public:
  EZeroDivide();
  explicit EZeroDivide(const std::string& message) : EMathError(message) {}
};

// 0/0, a NaN result, or a number that cannot become a pixel coordinate.
class EInvalidOp : public EMathError {
 public:
  EInvalidOp();
  explicit EInvalidOp(const std::string& message) : EMathError(message) {}
};

// A result too large for a double.
class EOverflow : public EMathError {
 public:
  EOverflow();
  explicit EOverflow(const std::string& message) : EMathError(message) {}
};

// A field text that is not a number.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};
