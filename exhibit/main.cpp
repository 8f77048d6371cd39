// Lembovari: an exhibit of topological surfaces. The scenes are static
// objects (exhibit/exhibits.cpp) that exist before main runs.

#include "app/command_line.h"
#include "app/events.h"
#include "app/heap_policy.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "app/swap_interval.h"

#include <GL/freeglut.h>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    SceneManager& manager = SceneManager::instance();
    std::vector<std::string> registeredKeys;
    for (const Scene* scene : manager.registered())
        registeredKeys.push_back(scene->name);

    // Our own options go before GLUT opens the display, so that a bad list
    // is refused without a window and --list works without a display.
    std::vector<std::string> args(argv, argv + argc);
    const StartupChoice choice = takeStartupOptions(args, registeredKeys);
    switch (choice.action) {
    case StartupChoice::Action::Refuse:
        std::cerr << "lembovari: " << choice.error << "\n";
        return 2;
    case StartupChoice::Action::List:
        for (const Scene* scene : manager.registered())
            std::cout << scene->name << "\t" << scene->caption() << "\n";
        return 0;
    case StartupChoice::Action::Run:
        break;
    }
    if (choice.keys)
        manager.useStartupKeys(*choice.keys);

    std::vector<char*> glutArgs;
    for (std::string& arg : args)
        glutArgs.push_back(arg.data());
    glutArgs.push_back(nullptr);
    int glutArgc = int(args.size());
    keepFreedHeapForNextFrames();
    glutInit(&glutArgc, glutArgs.data());
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutCreateWindow("Lembovari");
    // The tools draw as fast as they can; the exhibit draws no faster than
    // the screen shows, where the implementation lets it say so.
    askForOneSwapPerRefresh();
    installHandlers();
    initialise();
    glutMainLoop();
    return 0;
}
