#pragma once
// Each format's writer on its own, behind writeModel (mesh_writers.h), and
// what they share. Millimetres and z up in, the file's bytes out; an empty
// string from a writer that cannot write means it says why in error.

#include "geom/solid.h"

#include <string>

std::string stlBytes(const PrintModel& model);
// The OBJ file naming mtlName, and its material library in mtl.
std::string objBytes(const PrintModel& model, const std::string& mtlName, std::string& mtl);
std::string threeMfBytes(const PrintModel& model, std::string& error);
std::string glbBytes(const PrintModel& model, std::string& error);

// A colour from 0 to 1 as a byte, rounded, clamped.
unsigned char colourByte(double c);
