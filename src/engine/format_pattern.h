#pragma once

#include <QString>

// Formats a value after a classic number-format pattern such as "####0.0##", with a decimal comma
// and never a thousands separator. Before the ".", each '0' is one guaranteed integer digit. After
// it, the length is the maximum number of decimals and the last '0' marks the minimum. Rounding
// is a half away from zero on the value's 15-digit decimal text. Values of 1E+15 and beyond fall
// back to numberText.
QString formatPattern(double value, const QString& pattern);
