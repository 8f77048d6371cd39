#pragma once
// A drawing kept from frame to frame in a GL display list: recorded when the
// values that decide its picture (its key) are new, replayed while they stay
// the same. Every scene that keeps a drawing between frames keeps it here.

#include <cstddef>
#include <initializer_list>
#include <type_traits>
#include <vector>

// The values a drawing depends on, kept and compared byte for byte: a value
// that is bit for bit the same draws the same picture. Each part is one
// value, or the elements of a vector, of a type without padding bytes.
class DrawingKey {
  public:
    struct Part {
        const void* bytes;
        std::size_t size;
    };
    template <typename T> static Part of(const T& value) {
        static_assert(std::is_trivially_copyable_v<T>, "a key part is kept as its bytes");
        return {&value, sizeof value};
    }
    template <typename T> static Part of(const std::vector<T>& values) {
        static_assert(std::is_trivially_copyable_v<T>, "a key part is kept as its bytes");
        return {values.data(), values.size() * sizeof(T)};
    }
    using Parts = std::initializer_list<Part>;

    // Whether parts are, part by part, the bytes kept.
    bool matches(Parts parts) const;
    // Keeps a copy of parts in place of what was kept.
    void keep(Parts parts);
    // Keeps parts; true when they differ from what was kept before.
    bool changes(Parts parts);
    // Forgets what was kept: any parts differ from it.
    void clear();

  private:
    bool kept = false;
    std::vector<unsigned char> bytes;
    std::vector<std::size_t> sizes;
};

class RetainedDrawing {
  public:
    enum Recording {
        // The first draw of a key records it: for drawings that change
        // only now and then.
        AtFirstDraw,
        // The first draw of a key draws directly; the list is recorded
        // only when the next draw brings the same key, so that the frames
        // of a moving control do not pay for lists they never replay.
        WhenRepeated,
    };
    explicit RetainedDrawing(Recording when = AtFirstDraw) : when(when) {}
    // Frees the list, when the context still knows it.
    ~RetainedDrawing();
    RetainedDrawing(const RetainedDrawing&) = delete;
    RetainedDrawing& operator=(const RetainedDrawing&) = delete;

    // Draws with drawing(), which issues the GL calls of the picture that
    // key decides: replays the list that holds it, or records the list first,
    // or (WhenRepeated, a new key) calls drawing() directly.
    template <typename Drawing> void draw(DrawingKey::Parts key, Drawing&& drawing) {
        switch (prepare(key)) {
        case Direct:
            drawing();
            return;
        case Record:
            beginRecording();
            drawing();
            endRecording();
            break;
        case Replay:
            break;
        }
        callList();
    }
    // The same picture again within the frame, with the key of the last
    // draw: from the list when it holds it, else with drawing() directly.
    template <typename Drawing> void drawAgain(Drawing&& drawing) {
        if (holdsList())
            callList();
        else
            drawing();
    }
    // The next draw records whatever its key.
    void forget() { key.clear(); }

    // How many times the list has been recorded, and its GL name (0 before
    // the first recording).
    int recordings() const { return recordingCount; }
    unsigned listName() const { return list; }

  private:
    enum Step { Direct, Record, Replay };
    Step prepare(DrawingKey::Parts parts);
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
