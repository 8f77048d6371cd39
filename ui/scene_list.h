#pragma once
// What the navigation controls ask of the exhibit's ordered list of scenes:
// how many there are, which one shows, the caption each goes by and a way to
// show another. The application's scene manager answers once it exists; the
// controls know nothing more of scenes.

#include <string>

class SceneList {
  public:
    virtual int count() const = 0;
    // The position of the scene on screen in the list.
    virtual int shownIndex() const = 0;
    // The caption of the scene at index in the visitor's language.
    virtual std::string captionAt(int index) const = 0;
    // Shows the scene at index; out of range or already shown: nothing.
    virtual void select(int index) = 0;

  protected:
    ~SceneList() = default;
};

// The list the controls ask, or nullptr before the application has made one.
SceneList* sceneList();
void setSceneList(SceneList* list);
