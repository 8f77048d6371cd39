#pragma once
// The values a picture or a computed model depends on, kept and compared byte
// for byte: a value that is bit for bit the same gives the same result, so
// whatever was built from it can be kept. Pure: no GL.

#include <cstddef>
#include <initializer_list>
#include <type_traits>
#include <vector>

// Each part is a value, or the elements of a vector, whose bytes are all its
// value: a number, an enumeration, or a type with no padding, whose padding
// bytes would hold whatever the memory held and make equal values look
// different. A floating-point value counts as its bits (a -0 after a 0 only
// rebuilds once more). The inputs a model is computed from, the controls'
// values, are such values.
template <typename T>
constexpr bool keyableBytes =
    std::is_arithmetic_v<T> || std::is_enum_v<T> || std::has_unique_object_representations_v<T>;

class DrawingKey {
  public:
    struct Part {
        const void* bytes;
        std::size_t size;
    };
    template <typename T> static Part of(const T& value) {
        static_assert(keyableBytes<T>, "a key part is kept as its bytes");
        return {&value, sizeof value};
    }
    template <typename T> static Part of(const std::vector<T>& values) {
        static_assert(keyableBytes<T>, "a key part is kept as its bytes");
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
