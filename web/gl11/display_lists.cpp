#include "web/gl11/display_lists.h"

namespace gl11 {

unsigned DisplayLists::generate(int range) {
    if (range <= 0)
        return 0;
    // Names only grow, so a range never meets a list in use.
    const unsigned first = nextName;
    nextName += unsigned(range);
    for (unsigned k = first; k < nextName; ++k)
        lists[k] = std::make_shared<const std::vector<Call>>();
    return first;
}

void DisplayLists::remove(unsigned list, int range) {
    for (int k = 0; k < range; ++k)
        lists.erase(list + unsigned(k));
}

void DisplayLists::start(unsigned list) {
    if (list == 0 || open != 0)
        return;
    open = list;
    pending.clear();
    pendingGeometry = std::make_shared<RetainedGeometry>();
    pendingGeometry->serial = nextSerial++;
}

void DisplayLists::finish() {
    if (open == 0)
        return;
    lists[open] = std::make_shared<const std::vector<Call>>(std::move(pending));
    pending.clear();
    pendingGeometry->vertices.shrink_to_fit();
    pendingGeometry->indices.shrink_to_fit();
    pendingGeometry.reset();
    if (open >= nextName)
        nextName = open + 1;
    open = 0;
}

void DisplayLists::replay(unsigned list, Context& context) {
    const auto found = lists.find(list);
    if (found == lists.end() || depth >= 64)
        return;
    ++depth;
    const auto calls = found->second;
    for (const Call& call : *calls)
        call(context);
    --depth;
}

} // namespace gl11
