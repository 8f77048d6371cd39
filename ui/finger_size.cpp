#include "ui/finger_size.h"

double FingerSize::pixelsPerMm(int pixels, int mm) {
    if (pixels <= 0 || mm <= 0)
        return defaultPixelsPerMm;
    return double(pixels) / mm;
}
