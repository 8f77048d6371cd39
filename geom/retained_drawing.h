#pragma once
// A drawing kept from frame to frame in a GL display list, keyed by the
// values that decide its picture (the controls' values, never the vertices
// drawn from them). The update step hands it the key and the drawing: a key
// seen again records the list there; the frame then replays the list, or
// draws directly while the key is new. Drawing changes nothing. Every scene
// that keeps a drawing between frames keeps it here.

#include "geom/drawing_key.h"

class RetainedDrawing {
  public:
    enum Recording {
        // A new key is recorded at once: for drawings that change only now
        // and then.
        AtFirstDraw,
        // A new key is drawn directly; the list is recorded only when the
        // next update brings the same key, so that the frames of a moving
        // control do not pay for lists they never replay.
        WhenRepeated,
    };
    explicit RetainedDrawing(Recording when = AtFirstDraw) : when(when) {}
    // Frees the list, when the context still knows it.
    ~RetainedDrawing();
    RetainedDrawing(const RetainedDrawing&) = delete;
    RetainedDrawing& operator=(const RetainedDrawing&) = delete;

    // At the update step, with the GL context current: key decides the
    // picture that drawing() issues; records it into the list when that is
    // due.
    template <typename Drawing> void update(DrawingKey::Parts key, Drawing&& drawing) {
        if (prepare(key)) {
            beginRecording();
            drawing();
            endRecording();
        }
    }
    // In the frame: the picture of the last update's key, from the list when
    // it holds it, else with drawing() directly.
    template <typename Drawing> void draw(Drawing&& drawing) const {
        if (holdsList())
            callList();
        else
            drawing();
    }
    // The next update records whatever its key.
    void forget() { key.clear(); }

    // How many times the list has been recorded, and its GL name (0 before
    // the first recording).
    int recordings() const { return recordingCount; }
    unsigned listName() const { return list; }

  private:
    // Keeps the key; true when the list is to be recorded now.
    bool prepare(DrawingKey::Parts parts);
    bool holdsList() const;
    void beginRecording();
    void endRecording();
    void callList() const;

    Recording when;
    DrawingKey key;
    // The GL name, 0 until the first recording asks GL for one: a fixed
    // number could be one another drawing's list already holds.
    unsigned list = 0;
    bool recorded = false;
    int recordingCount = 0;
};
