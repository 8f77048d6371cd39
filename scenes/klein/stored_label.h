#pragma once
// The label pictures stored in the program (labels/*.rle, embedded at build
// time), one per language.

#include "scenes/klein/label_image.h"

#include <string>

// The label of the language of that code, or the Italian one for a language
// without its own. Each is decoded on its first call and kept until exit;
// nullptr when its stored data does not decode, which is said once on
// standard error.
const LabelImage* storedLabelImage(const std::string& language);
