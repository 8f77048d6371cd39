// Lembovari: an exhibit of topological surfaces. The scenes are static
// objects (exhibit/exhibits.cpp) that exist before main runs.

#include "app/command_line.h"
#include "app/events.h"
#include "app/exhibit_service.h"
#include "app/heap_policy.h"
#include "app/idle_reset.h"
#include "app/journal.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "app/swap_interval.h"
#include "app/visits.h"
#include "ui/captions.h"
#include "ui/finger_size.h"
#include "ui/overlay_scale.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

// The controls a finger wide and a finger's drift a tap, on the screen as
// it is now.
void fitToFingers() {
    const FingerSize finger(
        FingerSize::pixelsPerMm(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_WIDTH_MM)));
    overlayScale.keepAtLeast(finger.leastOverlayScale());
    useTapSlop(finger.slopPixels());
}

} // namespace

int main(int argc, char** argv) {
    SceneManager& manager = SceneManager::instance();
    std::vector<std::string> registeredKeys;
    for (const Scene* scene : manager.registered())
        registeredKeys.push_back(scene->name);

    // Our own options go before GLUT opens the display, so that a bad list
    // is refused without a window and --list and --version work without a
    // display.
    std::vector<std::string> args(argv, argv + argc);
    StartFacts facts;
    facts.options.assign(args.begin() + 1, args.end());
    StartupChoice choice = takeStartupOptions(args, registeredKeys);
    if (choice.action == StartupChoice::Action::Run && choice.visitLog) {
        // A mistyped folder would otherwise lose every visit, unseen.
        choice.error = visitLogRefusal(*choice.visitLog);
        if (!choice.error.empty())
            choice.action = StartupChoice::Action::Refuse;
    }
    useLanguage(choice.language);
    switch (choice.action) {
    case StartupChoice::Action::Refuse:
        refuseCommandLine(choice.error);
        return 2;
    case StartupChoice::Action::List:
        for (const Scene* scene : manager.registered())
            std::cout << scene->name << "\t" << scene->shownCaption() << "\n";
        return 0;
    case StartupChoice::Action::Version:
        std::cout << "lembovari " LEMBOVARI_VERSION "\n";
        return 0;
    case StartupChoice::Action::Help:
        std::cout << startupHelp();
        return 0;
    case StartupChoice::Action::Run:
        break;
    }
    if (choice.keys)
        manager.useStartupKeys(*choice.keys);
    if (!choice.colourEditor)
        for (Scene* scene : manager.registered())
            scene->panel->dropColourEditor();

    std::vector<char*> glutArgs;
    for (std::string& arg : args)
        glutArgs.push_back(arg.data());
    glutArgs.push_back(nullptr);
    int glutArgc = int(args.size());
    keepFreedHeapForNextFrames();
    prepareService();
    // The size before glutInit is the default that its -geometry overrides.
    glutInitWindowSize(choice.width, choice.height);
    glutInit(&glutArgc, glutArgs.data());
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH);
    if (choice.fullscreen) {
        // Made to the screen's size at its corner, so that it covers the
        // screen even where no window manager acts on glutFullScreen.
        glutInitWindowPosition(0, 0);
        glutInitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    }
    if (choice.overlayScale)
        overlayScale.fix(*choice.overlayScale);
    else if (choice.fullscreen)
        overlayScale.followWindow();
    if (choice.touch) {
        fitToFingers();
        beforeReshape = fitToFingers;
        WidgetPanel::forFingers = true;
    }
    glutCreateWindow("Lembovari");
    if (choice.fullscreen)
        glutFullScreen();
    if (choice.hideCursor)
        glutSetCursor(GLUT_CURSOR_NONE);
    // The tools draw as fast as they can; the exhibit draws no faster than
    // the screen shows, where the implementation lets it say so.
    if (const char* swapControl = askForOneSwapPerRefresh())
        facts.swapControl = swapControl;
    installHandlers();
    quitKeys = choice.quitKeys;
    initialise();
    if (choice.idleResetSeconds > 0)
        enableIdleReset(choice.idleResetSeconds, choice.attract, choice.maxHoldSeconds);
    if (choice.visitLog)
        writeVisitsTo(*choice.visitLog);
    startService(std::move(facts));
    glutMainLoop();
    return 0;
}
