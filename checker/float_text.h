// Decimal text of doubles as Python's repr() writes it. Pure; thread-safe.
#pragma once

#include <string>

namespace quorvane::check {

// The shortest decimal text that reads back as exactly `value`, laid out as
// Python's repr(float) does: positional for decimal exponents from -5 to
// 15 ("0.0001", "1000000000000000.0"), with ".0" added to whole numbers;
// scientific otherwise, with a signed exponent of at least two digits
// ("1e-05", "1.5e+16"). "nan", "inf" and "-inf" for the non-finite values.
std::string python_float_repr(double value);

}  // namespace quorvane::check
