#include "geometry/number_text.h"

#include <charconv>
#include <string>
#include <system_error>
#include <utility>

#include "geometry/errors.h"

namespace {

// Past this many decimal orders of magnitude the result is surely beyond the double range
// (about 1.8e308, denormals down to 4.9e-324); keeps the exponent sum far from int64 limits.
constexpr long long kOrderLimit = 1000;
// Longer quoted texts are cut in the message so that the message box stays readable.
constexpr std::size_t kQuotedLengthLimit = 40;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Quoted(std::string_view text) {
  if (text.size() <= kQuotedLengthLimit) return std::string(text);
  std::size_t cut = kQuotedLengthLimit;
  // Do not split a UTF-8 sequence: back up over continuation bytes.
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + "…";
}

[[noreturn]] void Reject(std::string_view text) {
  throw EConvertError("»" + Quoted(text) + "« ni veljavno število.");
}

}  // namespace

double ParseDecimal(std::string_view text, std::string_view decimalSeparator) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;

  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  std::string digits;  // integer and fraction digits, without the separator
  long long fractionDigits = 0;
  while (i < n && IsDigit(text[i])) digits += text[i++];
  if (!decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator)) {
    i += decimalSeparator.size();
    while (i < n && IsDigit(text[i])) {
      digits += text[i++];
      ++fractionDigits;
    }
  }
  if (digits.empty()) Reject(text);

  long long exponent = 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    if (i == n || !IsDigit(text[i])) Reject(text);
    while (i < n && IsDigit(text[i])) {
      // Saturate: beyond the limit only the sign of the exponent still matters.
      if (exponent < 10 * kOrderLimit) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (negativeExponent) exponent = -exponent;
  }
  while (i < n && IsBlank(text[i])) ++i;
  if (i != n) Reject(text);

  const std::size_t firstSignificant = digits.find_first_not_of('0');
  if (firstSignificant == std::string::npos) return negative ? -0.0 : 0.0;

  // The value lies in [10^(order-1), 10^order).
  const long long integerDigits = static_cast<long long>(digits.size()) - fractionDigits;
  const long long order = integerDigits - static_cast<long long>(firstSignificant) + exponent;
  if (order > kOrderLimit) throw EOverflow();
  if (order < -kOrderLimit) return negative ? -0.0 : 0.0;

  // Hand a canonical form to the correctly rounding standard conversion, which then never
  // sees a locale, a separator, inf, nan or hex.
  std::string canonical = digits.substr(firstSignificant);
  canonical += 'e';
  canonical += std::to_string(exponent - fractionDigits);
  double magnitude = 0.0;
  const auto [end, error] =
      std::from_chars(canonical.data(), canonical.data() + canonical.size(), magnitude);
  if (error == std::errc::result_out_of_range) {
    // from_chars reports overflow and total underflow alike; the order tells them apart.
    if (order > 0) throw EOverflow();
    magnitude = 0.0;
  } else if (error != std::errc() || end != canonical.data() + canonical.size()) {
    Reject(text);
  }
  return negative ? -magnitude : magnitude;
}

namespace {
std::string& SeparatorSetting() {
  static std::string separator = ".";
  return separator;
}
}  // namespace

const std::string& DecimalSeparator() { return SeparatorSetting(); }

void SetDecimalSeparator(std::string separator) { SeparatorSetting() = std::move(separator); }

double StrToFloat(std::string_view text) { return ParseDecimal(text, DecimalSeparator()); }
