#include "scenes/ring/ring_export.h"

SceneModel ringModel(const ModelRequest&) {
    return {};
}
