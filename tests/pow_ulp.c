#include <math.h>

/* Preloaded in place of the C library's pow: the correctly rounded square,
   moved one ulp by ULP (-1 or +1), as a pow the standards allow may return. */
double pow(double x, double y)
{
    (void)y;
    return nextafter(x * x, ULP * INFINITY);
}
