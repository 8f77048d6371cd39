#pragma once
// The trackball of every exhibit: the model's accumulated orientation, turned
// one degree per pixel while the visitor drags on the background and kept
// spinning at the release speed until the next press.

#include "geom/pointer_trail.h"
#include "geom/ramp.h"
#include "geom/vec.h"
#include "ui/widget.h"

#include <array>

class Rotator : public Widget {
  public:
    Rotator();
    // Turns by yaw degrees about the vertical axis, then pitch degrees about
    // the horizontal one.
    Rotator(double yaw, double pitch);

    // Left-multiplies the orientation by the right-handed rotation of angle
    // degrees about axis (non-zero). No GL call.
    void rotateAboutAxis(const Vec3& axis, double angle);
    // New orientation = rotation by dx about (0, 1, 0) * rotation by -dy about
    // (1, 0, 0) * old orientation; degrees. Re-orthonormalised every time so
    // that turns added up for days stay a pure rotation. No GL call. While it
    // spins, this turns the orientation the spin started from.
    void turn(double dx, double dy);
    // The orientation at now, column-major: the one the spin
    // started from, turned about the spin's axis by its rate times the time
    // since. No GL call.
    std::array<float, 16> orientationAt(Millis now) const;
    // From now on it spins at rate, in degrees per millisecond: x about the
    // vertical axis, y about the horizontal one, as a drag of that many
    // pixels per millisecond turns it; (0, 0) stops it where it stands.
    void spin(Vec2 rate, Millis now);
    Vec2 spinRate() const { return rate; }

    // Keeps the orientation as it is now; reset returns to it, not spinning.
    void rememberStart();
    void reset();

    void press(Vec2 p, Millis now) override;
    void drag(Vec2 p, Millis now) override;
    void release(Vec2 p, Millis now) override;
    // While it spins.
    bool isAnimating(Millis) const override { return angle.rate() != 0.0; }

    float matrix[16]; // the orientation, or the one the spin started from
    float startMatrix[16];
    Vec2 lastPoint; // pointer at the last press or drag

    // The spin window: pointer movement older than this at release does not count.
    static constexpr Millis spinWindowMillis = 200;

  private:
    PointerTrail samples{spinWindowMillis};
    Vec2 rate;
    // The spin: degrees turned about axis since its stamp.
    Ramp angle;
    Vec3 axis{0, 1, 0};
};
