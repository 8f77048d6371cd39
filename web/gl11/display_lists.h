#pragma once
// Display lists recorded and replayed: a list is the sequence of calls made
// between glNewList and glEndList, each kept with copies of its arguments
// (client arrays are read when the list is made, as GL reads them), and the
// geometry its primitives add up to, for a back end that keeps it.

#include "web/gl11/draw_batch.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace gl11 {

class Context;

class DisplayLists {
  public:
    using Call = std::function<void(Context&)>;

    // glGenLists: the first of range unused consecutive names, reserved; 0 for range <= 0.
    unsigned generate(int range);
    bool exists(unsigned list) const { return lists.count(list) != 0; }
    void remove(unsigned list, int range);

    // glNewList: calls go into list until finish (glEndList) makes it whole.
    void start(unsigned list);
    bool recording() const { return open != 0; }
    void append(Call call) { pending.push_back(std::move(call)); }
    // The geometry of the list being made, which its primitives extend.
    const std::shared_ptr<RetainedGeometry>& geometry() const { return pendingGeometry; }
    void finish();

    // glCallList: replays the list's calls; an unknown list, or lists
    // calling each other deeper than GL's limit of 64, do nothing.
    void replay(unsigned list, Context& context);

  private:
    // Shared, so that a list that deletes or redefines itself replays whole.
    std::map<unsigned, std::shared_ptr<const std::vector<Call>>> lists;
    unsigned open = 0;
    std::vector<Call> pending;
    std::shared_ptr<RetainedGeometry> pendingGeometry;
    unsigned long long nextSerial = 1;
    unsigned nextName = 1;
    int depth = 0;
};

} // namespace gl11
