#include "scenes/moebius/moebius_strip.h"

#include "geom/ramp.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double inverseTwoPi = 0.15915494309189535;
constexpr double inversePi = 0.3183098861837907;
constexpr double twoPi = 6.283185307179586;
constexpr int faceSteps = 256; // the face frames' steps along the whole band
constexpr double faceStep = 0.00390625;
constexpr double wheelSpeed = 0.0001; // band lengths per millisecond

// sin(x) / x, 1 at 0.
double sinc(double x) {
    return x == 0 ? 1.0 : std::sin(x) / x;
}

} // namespace

StripFrame MoebiusStrip::stripFrame(double x) const {
    const double s = 2 * x - 1;
    const double t = bend;
    const double l = (1 - t) * flatLength + t * closedLength;
    const double rho = l * inverseTwoPi;
    if (t == 0)
        return {{0, l * s / 2, 0}, {0, 0, 1}, {-1, 0, 0}};

    const double alpha = twist * t * s / 2;
    // The arc of radius R = rho / t through the angle beta, its centre at
    // (R - t rho, 0, 0). Written with sin(beta) / beta and sin(h) / h rather
    // than with R itself, so that nothing is divided by the bend: a bend too
    // small to be seen still gives a finite, nearly straight band.
    const double k = (l / rho) * s / 4; // beta / (2 t)
    const double beta = 2 * k * t;
    const double h = k * t;
    const double sh = sinc(h);
    const Vec3 centre{rho * 2 * h * k * sh * sh - t * rho, l * s / 2 * sinc(beta), 0};

    const Vec3 u{-std::cos(beta), std::sin(beta), 0}; // from the arc's centre to P
    const Vec3 z{0, 0, 1};
    const double ca = std::cos(alpha);
    const double sa = std::sin(alpha);
    return {centre, ca * z + sa * u, ca * u - sa * z};
}

void MoebiusStrip::setTwistFromAngle(double angle) {
    const double c = angle * inversePi;
    if (!std::isfinite(c))
        return;
    const double whole = std::floor(c);
    const double d = c - whole;
    if (d < 0.1)
        twist = whole * pi;
    else if (d > 0.9)
        twist = (whole + 1) * pi;
    else
        twist = angle; // c * pi, without its rounding
}

double MoebiusStrip::liftShare(double x) const {
    // fmax and fmin rather than a comparison, so that even a lift that is not
    // a number gives a share in range.
    return std::fmin(std::fmax(std::sin(x * twoPi) - 1 + 3 * lift, 0.0), 1.0);
}

void MoebiusStrip::updateFrames() {
    if (!framesBuiltFrom.changes({DrawingKey::of(bend), DrawingKey::of(twist),
                                  DrawingKey::of(flatLength), DrawingKey::of(closedLength)}))
        return;
    frames.resize(faceSteps + 1);
    for (int i = 0; i <= faceSteps; ++i)
        frames[std::size_t(i)] = stripFrame(i * faceStep);
}

void MoebiusStrip::updateShape() {
    if (mode > 0) {
        bend = 1;
        lift = mode == Sliding ? 0 : value;
    } else {
        lift = 0;
        // The scenes keep value within [0, 1]; fmin and fmax keep the band
        // within its stages whatever it is.
        bend = std::fmin(std::fmax(value, 0.0), 1.0);
    }
    updateFrames();
    if (mode == Map)
        updateMap();
}

FaceSample MoebiusStrip::faceSample(const StripFace& face, const StripFrame& frame,
                                    double x) const {
    const Vec3 offset = (liftShare(x) * 0.25 * face.opening) * frame.across;
    const Vec3 base = frame.centre + offset;
    return {face.e * frame.across + face.f * frame.normal,
            base + face.a * frame.across + face.b * frame.normal,
            base + face.c * frame.across + face.d * frame.normal};
}

FaceSample MoebiusStrip::shiftedSample(const FaceSection& face, double g, double h,
                                       const StripFrame& frame) {
    const Vec3& P = frame.centre;
    const Vec3& D = frame.across;
    const Vec3& N = frame.normal;
    return {face.e * D + face.f * N, P + (face.a + g) * D + (face.b + h) * N,
            P + (face.c + g) * D + (face.d + h) * N};
}

StripFace MoebiusStrip::scaledFace(const StripFace& f) const {
    const double w = width / 2;
    const double h = thickness / 2;
    return {{f.a * w, f.b * h, f.c * w, f.d * h, f.e, f.f}, f.opening};
}

std::vector<FaceSample> MoebiusStrip::faceSamples(const StripFace& face, int detail) const {
    const int n = faceSteps * std::max(detail, 1);
    const double step = faceStep / std::max(detail, 1);
    std::vector<FaceSample> samples(std::size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double x = i * step;
        samples[std::size_t(i)] =
            faceSample(face, detail <= 1 ? frames[std::size_t(i)] : stripFrame(x), x);
    }
    return samples;
}

std::vector<FaceSample> MoebiusStrip::faceSamples(const StripFace& face, double x0, double x1,
                                                  int n) const {
    std::vector<FaceSample> samples;
    if (n < 1)
        return samples;
    samples.resize(std::size_t(n) + 1);
    for (int k = 0; k <= n; ++k) {
        const double x = ((n - k) * x0 + k * x1) / n;
        samples[std::size_t(k)] = faceSample(face, stripFrame(x), x);
    }
    return samples;
}

std::vector<FaceSample> MoebiusStrip::shiftedSamples(const FaceSection& face, double g, double h,
                                                     int detail) const {
    const int n = faceSteps * std::max(detail, 1);
    const double step = faceStep / std::max(detail, 1);
    std::vector<FaceSample> samples(std::size_t(n) + 1);
    for (int i = 0; i <= n; ++i)
        samples[std::size_t(i)] =
            shiftedSample(face, g, h, detail <= 1 ? frames[std::size_t(i)] : stripFrame(i * step));
    return samples;
}

void MoebiusStrip::addWheel(Millis now) {
    if (wheels.size() >= std::size_t(maxWheels))
        return;
    Ramp wheel(1, -Ramp::unbounded, Ramp::unbounded);
    wheel.steer(wheelSpeed, now);
    wheels.push_back(wheel);
}

void MoebiusStrip::removeFirstWheel() {
    if (!wheels.empty())
        wheels.erase(wheels.begin());
}

void MoebiusStrip::clearWheels() {
    std::vector<Ramp>().swap(wheels);
}

std::vector<double> MoebiusStrip::wheelPositions(Millis now) const {
    std::vector<double> positions;
    positions.reserve(wheels.size());
    for (const Ramp& wheel : wheels)
        positions.push_back(wheel.at(now));
    return positions;
}

double MoebiusStrip::wheelRollDegrees(double distance) {
    // Rolling without slipping on a radius of 0.3: 1 / 0.3 radians per unit.
    return std::fmod(distance * 3.3333333333333335 * -57.29577951308232, 360.0);
}
