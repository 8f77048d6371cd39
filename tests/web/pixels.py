"""Comparing pictures given as packed RGB bytes, rows from the top, for every
Python test that looks at pixels: one rule for when two pixels are the same,
one way to count the pixels that differ."""


def rgb_at(rgb, width, x, y):
    """The pixel (x, y) of a picture width pixels wide, as (red, green, blue)."""
    k = 3 * (y * width + x)
    return tuple(rgb[k:k + 3])


def differing_share(a, b, tolerance):
    """The share of pixels of two same-sized pictures that differ by more than
    tolerance in some channel; every pixel when their sizes differ."""
    if a == b:
        return 0.0
    if len(a) != len(b):
        return 1.0
    count = 0
    for k in range(0, len(a), 3):
        if (abs(a[k] - b[k]) > tolerance or abs(a[k + 1] - b[k + 1]) > tolerance
                or abs(a[k + 2] - b[k + 2]) > tolerance):
            count += 1
    return count / (len(a) / 3)
