#pragma once
// The label picture stored in the program (label.rle, embedded at build time).

#include "scenes/klein/label_image.h"

// Decoded on the first call and kept until exit; nullptr when the stored data
// does not decode, which is said once on standard error.
const LabelImage* storedLabelImage();
