#include "scenes/klein/klein_export.h"

SceneModel kleinFromRectangleModel(const ModelRequest&) {
    return {};
}

SceneModel kleinBottleModel(const ModelRequest&) {
    return {};
}

SceneModel kleinLabelModel(const ModelRequest&) {
    return {};
}

SceneModel kleinHalvesModel(const ModelRequest&) {
    return {};
}
