#include <cmath>
#include <limits>

// Preloaded in place of the C library's pow: the correctly rounded square,
// moved one ulp by ULP (-1 or +1), as a pow the standards allow may return.
// noexcept, as the C library declares it to C++.
extern "C" double pow(double x, double) noexcept
{
    return std::nextafter(x * x, ULP * std::numeric_limits<double>::infinity());
}
