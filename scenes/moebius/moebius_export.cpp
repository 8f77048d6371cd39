#include "scenes/moebius/moebius_export.h"

SceneModel squareToMoebiusModel(const ModelRequest&) {
    return {};
}

SceneModel wheelsModel(const ModelRequest&) {
    return {};
}

SceneModel cutInTwoModel(const ModelRequest&) {
    return {};
}

SceneModel slidingStripModel(const ModelRequest&) {
    return {};
}

SceneModel cutInThreeModel(const ModelRequest&) {
    return {};
}

SceneModel stripMapModel(const ModelRequest&) {
    return {};
}
