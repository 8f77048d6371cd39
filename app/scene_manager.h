#pragma once
// The single registry of scenes by key, the ordered list the visitor steps
// through, and the position of the current scene in it. Holds no ownership:
// scenes are static objects that live until exit.

#include "ui/scene_list.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class Scene;

class SceneManager : public SceneList {
  public:
    // The process-wide manager, created on first use (the first registration);
    // it is also the list the navigation controls ask.
    static SceneManager& instance();

    // Keeps the first scene of a key; a later one of the same key is unreachable by it.
    void registerScene(Scene* scene);
    // Appends the scene of that key to the ordered list; an unknown key is skipped.
    void appendByName(const std::string& key);
    // Appends the start-up keys: those of useStartupKeys when it was called,
    // else the ones the build was configured with, in order.
    void buildOrder();
    // Replaces the build's start-up keys (the command line's --scenes).
    void useStartupKeys(std::vector<std::string> keys) { startupKeys = std::move(keys); }

    Scene* current() const { return sceneAt(currentIndex); }
    Scene* sceneAt(int index) const;
    int count() const override { return static_cast<int>(order.size()); }
    int shownIndex() const override { return currentIndex; }
    // The shown caption of the scene at index; empty out of range.
    std::string captionAt(int index) const override;
    // Makes the scene at index current: switch notifications, projection,
    // lighting and panel layout from the viewport, colour editor hidden.
    // Out of range or already current: nothing.
    void select(int index) override;
    // Called with each scene that select makes current, after it is set up;
    // every watcher given, in the order given.
    void watchSelection(std::function<void(const Scene&)> watcher) {
        selectionWatchers.push_back(std::move(watcher));
    }

    Scene* byKey(const std::string& key) const;
    // Every registered scene in the order of registration.
    const std::vector<Scene*>& registered() const { return registrationOrder; }
    // Empties the ordered list and returns to index 0, for tools and tests
    // that show a list of their own.
    void clearOrder();

    int currentIndex = 0;

  private:
    std::vector<Scene*> order;
    std::map<std::string, Scene*> byName;
    std::vector<Scene*> registrationOrder;
    std::optional<std::vector<std::string>> startupKeys;
    std::vector<std::function<void(const Scene&)>> selectionWatchers;
};
