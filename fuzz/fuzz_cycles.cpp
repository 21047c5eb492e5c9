#include "fuzz/fuzz_cycles.h"

#include <algorithm>
#include <exception>
#include <string_view>
#include <utility>

#include "app/redraw.h"
#include "app/step_operations.h"
#include "geometry/errors.h"
#include "geometry/number_text.h"
#include "render/canvas.h"
#include "render/drawing_area.h"
#include "tests/program_state.h"

namespace {

// Takes the bytes up to the next line end, and the line end itself, off the front of rest.
std::string TakeLine(std::span<const std::uint8_t>& rest) {
  const auto end = std::find(rest.begin(), rest.end(), static_cast<std::uint8_t>(kFuzzLineEnd));
  std::string line(rest.begin(), end);
  const auto taken = static_cast<std::size_t>(end - rest.begin());
  rest = rest.subspan(std::min(taken + 1, rest.size()));
  return line;
}

class FakeFields final : public CoordinateFields {
 public:
  explicit FakeFields(const CoordinateTexts& texts) : texts_(texts) {}
  CoordinateTexts Texts() const override { return texts_; }

 private:
  const CoordinateTexts& texts_;
};

// The window's part for one session: its fields, its drawing area and the regional separator,
// put back however the session ends.
class SessionBinding {
 public:
  SessionBinding(const CoordinateFields& fields, TDrawingArea& area, std::string separator)
      : previousSeparator_(DecimalSeparator()) {
    SetDecimalSeparator(std::move(separator));
    BindCoordinateFields(&fields);
    BindImage1(&area);
  }
  ~SessionBinding() {
    BindImage1(nullptr);
    BindCoordinateFields(nullptr);
    SetDecimalSeparator(previousSeparator_);
  }
  SessionBinding(const SessionBinding&) = delete;
  SessionBinding& operator=(const SessionBinding&) = delete;

 private:
  std::string previousSeparator_;
};

// The message box shows what(); an empty box would tell the user nothing.
CycleEnd Reported(const Exception& failure, CycleEnd end) {
  if (std::string_view(failure.what()).empty()) {
    throw FuzzCheckFailure("a cycle failed with an empty message");
  }
  return end;
}

template <typename Cycle>
CycleEnd RunCycle(Cycle&& cycle, const TImageSurface& surface) {
  try {
    std::forward<Cycle>(cycle)();
  } catch (const EConvertError& failure) {
    return Reported(failure, CycleEnd::ConvertError);
  } catch (const EZeroDivide& failure) {
    return Reported(failure, CycleEnd::ZeroDivide);
  } catch (const EInvalidOp& failure) {
    return Reported(failure, CycleEnd::InvalidOp);
  } catch (const EOverflow& failure) {
    return Reported(failure, CycleEnd::Overflow);
  }
  // A complete cycle has drawn, so the persistent picture exists, at the area's size.
  const TBitmap* picture = surface.Picture();
  if (picture == nullptr) throw FuzzCheckFailure("a complete cycle left no picture");
  if (picture->Width() != kDrawingAreaWidth || picture->Height() != kDrawingAreaHeight) {
    throw FuzzCheckFailure("a complete cycle left a picture of the wrong size");
  }
  return CycleEnd::Complete;
}

}  // namespace

FuzzSession DecodeFuzzSession(std::span<const std::uint8_t> bytes) {
  FuzzSession session;
  session.separator = TakeLine(bytes).starts_with(',') ? "," : ".";
  for (std::string& text : session.texts) text = TakeLine(bytes);
  const std::size_t stepCount = std::min(bytes.size(), kFuzzMaxSteps);
  for (const std::uint8_t byte : bytes.first(stepCount)) {
    session.steps.push_back(static_cast<ViewStep>(byte % kFuzzStepKinds));
  }
  return session;
}

std::vector<CycleEnd> RunFuzzSession(const FuzzSession& session) {
  ResetProgramState();
  const FakeFields fields(session.texts);
  TImageSurface surface(kDrawingAreaWidth, kDrawingAreaHeight);
  const SessionBinding binding(fields, surface, session.separator);

  std::vector<CycleEnd> ends;
  ends.push_back(RunCycle([] { Redraw(); }, surface));
  for (const ViewStep step : session.steps) {
    ends.push_back(RunCycle([step] { StepView(step); }, surface));
  }
  return ends;
}

std::vector<CycleEnd> RunFuzzInput(std::span<const std::uint8_t> bytes) {
  return RunFuzzSession(DecodeFuzzSession(bytes));
}
