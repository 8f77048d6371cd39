#include "ui/scene_list.h"

namespace {
SceneList* theList = nullptr;
} // namespace

SceneList* sceneList() {
    return theList;
}

void setSceneList(SceneList* list) {
    theList = list;
}
