// lembovari-movie: one scene of the exhibit filmed while its controls move,
// written as an MP4, animated WebP or GIF file.
//
//   lembovari-movie KEY OUT.{mp4,webp,gif} [CONTROL=VALUE | CONTROL=FROM:TO ...]
//                   [--seconds S] [--fps N] [--hold S] [--turn DEGREES]
//                   [--loop N] [--no-overlay] [--scale F] [--size WxH]
//                   [--language CODE] [--open menu|logo]
//
// --help lists every option with its default. Stopped by SIGINT, SIGTERM or
// SIGHUP it leaves no file behind and an earlier file of the name untouched.
//
// The film runs on a clock of its own, advanced by one frame's time per
// frame, so that the same command gives the same film however slowly the
// machine draws. Exit status 0 when the film was written, 2 for bad arguments
// (nothing is written), 1 when drawing, encoding or writing failed.

#include "app/events.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "geom/clock.h"
#include "tools/common/exhibit_window.h"
#include "tools/common/one_line.h"
#include "tools/common/temporary_file.h"
#include "tools/common/view_setup.h"
#include "tools/movie/film_plan.h"
#include "tools/movie/movie_writer.h"
#include "tools/snapshot/control_settings.h"
#include "ui/rotator.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void say(const std::string& message) {
    printOneLine("lembovari-movie", message);
}

[[noreturn]] void fail(int status, const std::string& message) {
    say(message);
    std::exit(status);
}

// The film's clock: what the program's clock reads while the film is drawn.
Millis filmMillis = 0;
Millis filmClock() {
    return filmMillis;
}

// What the film does to the scene: the controls it moves and the turn.
struct Motion {
    Scene* scene = nullptr;
    std::vector<PanelItem*> controls;
    std::vector<ControlInfo> infos;
    std::vector<ControlSetting> ranges;
    double turnDegrees = 0;
    double turnedDegrees = 0; // so far
};

// The scene as it stands at fraction (0 to 1, eased) of the movement.
void moveTo(Motion& motion, double fraction) {
    for (const ControlSetting& range : motion.ranges) {
        const ControlKind kind = motion.infos[range.control].kind;
        applySetting({range.control, valueAlong(range, kind, fraction), std::nullopt},
                     motion.controls[range.control], filmMillis);
    }
    // Without a turn the view is left exactly as the scene opens it.
    auto* rotator = dynamic_cast<Rotator*>(motion.scene->backgroundElement());
    if (rotator && motion.turnDegrees != 0) {
        const double turned = fraction * motion.turnDegrees;
        rotator->turn(turned - motion.turnedDegrees, 0);
        motion.turnedDegrees = turned;
    }
}

RgbImage drawFrame(Scene& scene, bool overlay, int downscale) {
    if (overlay) {
        renderFrame(filmMillis);
    } else {
        scene.update(filmMillis);
        scene.clear();
        scene.drawModel();
    }
    RgbImage image = exhibit_window::readFrame();
    glutSwapBuffers();
    return downscale > 1 ? boxDownscale(image, downscale) : image;
}

// Draws and writes every frame of the film; an empty string or the reason
// it could not be written. A film not finished is removed as the writer goes.
std::string shoot(const FilmOptions& options, Motion& motion) {
    const int frames = motionFrameCount(options);
    const int held = holdFrameCount(options);
    const bool progress = isatty(STDERR_FILENO);
    const Rgb8 background{static_cast<unsigned char>(backgroundColour[0]),
                          static_cast<unsigned char>(backgroundColour[1]),
                          static_cast<unsigned char>(backgroundColour[2])};
    MovieWriter writer;
    for (int frame = 0; frame < frames; ++frame) {
        filmMillis = frameMillis(frame, options.fps);
        moveTo(motion, easeInOut(frameFraction(frame, frames)));
        const RgbImage image = drawFrame(*motion.scene, options.overlay, options.view.downscale);
        std::string problem;
        if (frame == 0)
            problem = writer.open(options.output, options.format, image.width, image.height,
                                  options.fps, background, options.plays);
        const bool end = frame == 0 || frame == frames - 1;
        if (problem.empty())
            problem = writer.add(image, end ? 1 + held : 1);
        if (!problem.empty())
            return problem;
        if (progress)
            std::fprintf(stderr, "\rframe %d of %d", frame + 1, frames);
    }
    if (progress)
        std::fputc('\n', stderr);
    return writer.finish();
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = parseFilmOptions({argv + 1, argv + argc}, error);
    if (!options)
        fail(2, error);
    if (options->help) {
        std::fputs(filmHelp().c_str(), stdout);
        return 0;
    }
    Scene* scene = SceneManager::instance().byKey(options->key);
    if (!scene)
        fail(2, "no scene \"" + options->key + "\" (lembovari-snapshot --list names them)");
    Motion motion{scene, ownControls(*scene), {}, {}, options->turnDegrees, 0};
    motion.infos = describeControls(motion.controls);
    const auto settings = parseSettings(motion.infos, options->settings, error, true);
    if (!settings)
        fail(2, error);
    const std::string unwritable = unwritableReason(options->output);
    if (!unwritable.empty())
        fail(2, unwritable);

    removeTemporaryFileOnSignals();
    setClockSource(filmClock);
    openView("lembovari-movie", options->key, options->view);
    for (const ControlSetting& setting : *settings) {
        if (setting.target)
            motion.ranges.push_back(setting);
        else
            applySetting(setting, motion.controls[setting.control], filmMillis);
    }
    holdOpen(*scene, options->view.open);

    const std::string problem = shoot(*options, motion);
    if (!problem.empty()) {
        say("cannot write " + options->output + ": " + problem);
        return 1;
    }
    return 0;
}
