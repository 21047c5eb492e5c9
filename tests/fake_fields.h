#pragma once
// The coordinate fields without a window: eighteen texts that a test sets as it likes, all
// empty to start with, as in a fresh window.

#include "app/redraw.h"

class FakeFields final : public CoordinateFields {
 public:
  FakeFields() = default;
  explicit FakeFields(const CoordinateTexts& initial) : texts(initial) {}
  CoordinateTexts Texts() const override { return texts; }
  CoordinateTexts texts;
};
