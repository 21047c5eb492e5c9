#pragma once
// Fuzzer bytes as redraw cycles: one input is one session of the main window — the fields are
// typed, the draw button is pressed once, then the step buttons are pressed in turn.
//
// Byte format, lines ending with '\n':
//   line 0        the decimal separator: "," when the line starts with a comma, else "."
//   lines 1 … 18  the eighteen coordinate field texts in reading order (any bytes but '\n');
//                 lines the input does not reach are empty texts
//   the rest      one step button per byte, ViewStep number byte % 12; the first 64 count
//
// Plain C++ without libFuzzer, so that a test can replay kept inputs.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "geometry/coordinate_input.h"
#include "view/view_state.h"

inline constexpr char kFuzzLineEnd = '\n';
inline constexpr std::size_t kFuzzMaxSteps = 64;
inline constexpr int kFuzzStepKinds = 12;  // the enumerators of ViewStep

struct FuzzSession {
  std::string separator = ".";
  CoordinateTexts texts;
  std::vector<ViewStep> steps;
};

FuzzSession DecodeFuzzSession(std::span<const std::uint8_t> bytes);

// How one cycle ended: normally, or with one of the failures the window reports to the user.
enum class CycleEnd { Complete, ConvertError, ZeroDivide, InvalidOp, Overflow };

// A cycle broke a property every cycle must keep. Not an Exception: nothing catches it.
class FuzzCheckFailure : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// Resets the program's module-level state, sets the separator, binds fake fields and a fresh
// 585 × 513 surface, runs Redraw() and then StepView for every step, and unbinds again.
// Returns how each cycle ended (the first is Redraw's). Any other exception passes out, as does
// FuzzCheckFailure for a complete cycle that left no picture of the area's size or a reported
// failure without a message.
std::vector<CycleEnd> RunFuzzSession(const FuzzSession& session);

// DecodeFuzzSession, then RunFuzzSession.
std::vector<CycleEnd> RunFuzzInput(std::span<const std::uint8_t> bytes);
