#include "scenes/projective/projective_export.h"

SceneModel crossCapModel(const ModelRequest&) {
    return {};
}

SceneModel uncrossedCrossCapModel(const ModelRequest&) {
    return {};
}
