#pragma once
// The one GL 1.1 context of the browser build, behind the gl*, glu* and
// glut* entry points, created on first use.

#include "web/gl11/context.h"

gl11::Context& currentContext();
