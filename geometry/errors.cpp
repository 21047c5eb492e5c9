#include "geometry/errors.h"

EZeroDivide::EZeroDivide() : EMathError("Deljenje z nič.") {}

EInvalidOp::EInvalidOp() : EMathError("Neveljavna računska operacija.") {}

EOverflow::EOverflow() : EMathError("Rezultat je prevelik za predstavitev s številom.") {}
