#pragma once
// Text-to-number conversion of the coordinate fields.
//
// Accepted: optional blanks (space, tab), an optional sign (+ or -), decimal digits with at most
// one decimal separator and at least one digit before or after it ("5", "5,", ",5", "5,25"), an optional exponent (e or E, an optional sign, at least one digit), optional
// blanks. Rejected: empty and blank-only text, inf, nan, hexadecimal, group separators, any
// separator but the given one, and anything trailing.

#include <string>
#include <string_view>

// Converts text written with the given decimal separator, rounding to the nearest double.
// Raises EConvertError quoting the text; EOverflow when the magnitude is beyond the double range.
// A magnitude too small for a double gives a denormal or zero without error.
double ParseDecimal(std::string_view text, std::string_view decimalSeparator);

// The user's regional decimal separator, set once at start-up; "." until then.
const std::string& DecimalSeparator();
void SetDecimalSeparator(std::string separator);

// ParseDecimal with the user's regional separator.
double StrToFloat(std::string_view text);
