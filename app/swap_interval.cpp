#include "app/swap_interval.h"

// A page is paced by the browser's animation frames; there is no GLX to ask.
#ifdef __EMSCRIPTEN__
const char* askForOneSwapPerRefresh() {
    return nullptr;
}
#else

#include <GL/glx.h>

#include <cstring>

namespace {

// Whether the space-separated list holds name as a whole word.
bool listed(const char* list, const char* name) {
    const std::size_t length = std::strlen(name);
    for (const char* at = list; (at = std::strstr(at, name)) != nullptr; at += length) {
        const bool startsWord = at == list || at[-1] == ' ';
        const bool endsWord = at[length] == ' ' || at[length] == '\0';
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

// The entry point, when the extension is listed and the library has it.
template <typename Function>
Function lookUp(const char* extensions, const char* extension, const char* entry) {
    if (!listed(extensions, extension))
        return nullptr;
    return reinterpret_cast<Function>(glXGetProcAddress(reinterpret_cast<const GLubyte*>(entry)));
}

} // namespace

const char* askForOneSwapPerRefresh() {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable)
        return nullptr;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (!extensions)
        return nullptr;

    using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
    using SwapIntervalMesa = int (*)(unsigned);
    using SwapIntervalSgi = int (*)(int);
    if (auto ext =
            lookUp<SwapIntervalExt>(extensions, "GLX_EXT_swap_control", "glXSwapIntervalEXT")) {
        ext(display, drawable, 1);
        return "GLX_EXT_swap_control";
    }
    if (auto mesa =
            lookUp<SwapIntervalMesa>(extensions, "GLX_MESA_swap_control", "glXSwapIntervalMESA")) {
        if (mesa(1) == 0)
            return "GLX_MESA_swap_control";
    }
    if (auto sgi =
            lookUp<SwapIntervalSgi>(extensions, "GLX_SGI_swap_control", "glXSwapIntervalSGI")) {
        if (sgi(1) == 0)
            return "GLX_SGI_swap_control";
    }
    return nullptr;
}

#endif
