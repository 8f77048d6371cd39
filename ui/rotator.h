#pragma once
// The trackball of every exhibit: the model's accumulated orientation, turned
// one degree per pixel while the visitor drags on the background and kept
// spinning at the release speed until the next press.

#include "geom/pointer_trail.h"
#include "geom/vec.h"
#include "ui/widget.h"

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
    // that a spin lasting days stays a pure rotation. No GL call.
    void turn(double dx, double dy);
    // Multiplies the current GL matrix by the orientation, then advances the
    // spin by the time since the previous apply.
    void apply();

    // Keeps the orientation as it is now; reset returns to it, not spinning.
    void rememberStart();
    void reset();

    void press(Vec2 p) override;
    void drag(Vec2 p) override;
    void release(Vec2 p) override;
    // While it spins.
    bool isAnimating() const override { return spinRate.x != 0.0 || spinRate.y != 0.0; }
    void restUntil(int now) override;

    float matrix[16];
    float startMatrix[16];
    Vec2 spinRate;  // degrees per millisecond: x about vertical, y about horizontal
    Vec2 lastPoint; // pointer at the last press or drag

    // The spin window: pointer movement older than this at release does not count.
    static constexpr int spinWindowMillis = 200;

  private:
    PointerTrail samples{spinWindowMillis};
    // Whether apply has run, and when it last did: the spin advances by the
    // time between two applies.
    bool applied = false;
    int lastApplyTime = 0;
};
