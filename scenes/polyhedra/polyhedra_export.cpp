#include "scenes/polyhedra/polyhedra_export.h"

SceneModel tetratetraModel(const ModelRequest&) {
    return {};
}

SceneModel cubeoctaModel(const ModelRequest&) {
    return {};
}

SceneModel icododecaModel(const ModelRequest&) {
    return {};
}
