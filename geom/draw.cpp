#include "geom/draw.h"

#include "geom/stroke_letters.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cmath>
#include <initializer_list>

void multiplyFrame(const Vec3& origin, const Vec3& u, const Vec3& v) {
    const Vec3 n = cross(u, v);
    const double m[16] = {u.x, u.y, u.z, 0, v.x,      v.y,      v.z,      0,
                          n.x, n.y, n.z, 0, origin.x, origin.y, origin.z, 1};
    glMultMatrixd(m);
}

void bindArrays(const VertexArrays& arrays) {
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, arrays.positions.data());
    glNormalPointer(GL_FLOAT, 0, arrays.normals.data());
}

void unbindArrays() {
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void hueColour(double t, double brightness) {
    const Vec3 c = hueRamp(t, brightness);
    glColor3d(c.x, c.y, c.z);
}

void setLight(GLenum light, GLenum parameter, double x, double y, double z) {
    const float values[4] = {float(x), float(y), float(z), 1.0f};
    glLightfv(light, parameter, values);
}

void setMaterial(GLenum face, GLenum parameter, double a, double b, double c, double d) {
    const float values[4] = {float(a), float(b), float(c), float(d)};
    glMaterialfv(face, parameter, values);
}

ConeAngles coneAngles(const Vec3& a, const Vec3& b) {
    const Vec3 d = b - a;
    ConeAngles angles;
    angles.length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    if (angles.length < 0.00001)
        return angles;
    constexpr double toDegrees = 57.29577951308232;
    if (d.x * d.x + d.y * d.y > 1e-9)
        angles.azimuth = std::atan2(d.y, d.x) * toDegrees;
    angles.polar = std::acos(d.z / angles.length) * toDegrees;
    return angles;
}

void drawCone(const Vec3& a, double ra, const Vec3& b, double rb) {
    const ConeAngles angles = coneAngles(a, b);
    if (angles.length < 0.00001)
        return;
    GLUquadric* quadric = gluNewQuadric();
    glPushMatrix();
    {
        glTranslated(a.x, a.y, a.z);
        glRotated(angles.azimuth, 0, 0, 1);
        glRotated(angles.polar, 0, 1, 0);
        gluCylinder(quadric, ra, rb, angles.length, 10, 10);
    }
    glPopMatrix();
    gluDeleteQuadric(quadric);
}

void drawTube(const Vec3& a, const Vec3& b, double radius) {
    drawCone(a, radius, b, radius);
}

void drawSquareOutline(double half) {
    glBegin(GL_LINE_STRIP);
    {
        glVertex2d(-half, -half);
        glVertex2d(-half, half);
        glVertex2d(half, half);
        glVertex2d(half, -half);
        glVertex2d(-half, -half);
    }
    glEnd();
}

namespace {

// Heights in stroke units of the roman font's lower-case and capital letters.
constexpr double xHeight = 71;
constexpr double capHeight = 100;

// The font's '-' is a dash almost as wide as an 'm'; inside a word
// ("Cross-cap", "lui-même") it reads as a pause. A hyphen of our own, a third
// of that, at the same height, joins the two halves as print does.
constexpr double hyphenWidth = 40;

double letterWidth(void* font, unsigned char base) {
    return base == '-' ? hyphenWidth : glutStrokeWidth(font, base);
}

void strokes(std::initializer_list<Vec2> points) {
    glBegin(GL_LINE_STRIP);
    {
        for (const Vec2& p : points)
            glVertex2d(p.x, p.y);
    }
    glEnd();
}

// The accent over (or under) a letter whose middle is at x and whose top is
// at height top, in stroke units.
void drawAccent(Accent accent, double x, double top) {
    const double y = top + 14;
    switch (accent) {
    case Accent::acute:
        strokes({{x - 8, y}, {x + 12, y + 22}});
        break;
    case Accent::grave:
        strokes({{x - 12, y + 22}, {x + 8, y}});
        break;
    case Accent::circumflex:
        strokes({{x - 15, y}, {x, y + 18}, {x + 15, y}});
        break;
    case Accent::diaeresis:
        for (const double dx : {-14.0, 14.0})
            strokes({{x + dx - 3, y + 2},
                     {x + dx + 3, y + 2},
                     {x + dx + 3, y + 8},
                     {x + dx - 3, y + 8},
                     {x + dx - 3, y + 2}});
        break;
    case Accent::tilde:
        strokes({{x - 17, y + 4}, {x - 9, y + 12}, {x + 7, y + 4}, {x + 17, y + 12}});
        break;
    case Accent::cedilla:
        strokes({{x, 0}, {x, -10}, {x + 10, -18}, {x - 8, -30}});
        break;
    case Accent::none:
        break;
    }
}

} // namespace

void strokeText(void* font, const std::string& text) {
    for (const StrokeLetter& letter : strokeLetters(text)) {
        if (letter.base == '-') {
            strokes({{8, 42.86}, {32, 42.86}});
            glTranslated(hyphenWidth, 0, 0);
            continue;
        }
        if (letter.accent == Accent::none) {
            glutStrokeCharacter(font, letter.base);
            continue;
        }
        const double width = glutStrokeWidth(font, letter.base);
        const bool capital = letter.base < 'a';
        // An i under an accent loses its dot: its stem alone, drawn here.
        if (letter.base == 'i') {
            strokes({{width / 2, 0}, {width / 2, xHeight}});
        } else {
            glutStrokeCharacter(font, letter.base);
            glTranslated(-width, 0, 0);
        }
        drawAccent(letter.accent, width / 2, capital ? capHeight : xHeight);
        glTranslated(width, 0, 0);
    }
}

double strokeTextWidth(void* font, const std::string& text) {
    double width = 0.0;
    for (const StrokeLetter& letter : strokeLetters(text))
        width += letterWidth(font, letter.base);
    return width;
}

void drawLabel(double x, double y, double size, const std::string& text) {
    glPushMatrix();
    {
        glTranslated(x, y, 0);
        glScaled(size * 0.2, size * 0.2, size * 0.2);
        strokeText(GLUT_STROKE_ROMAN, text);
    }
    glPopMatrix();
}

std::string decimalText(int value) {
    if (value == 0)
        return "0";
    std::string digits;
    // In unsigned arithmetic, where the magnitude of the most negative int
    // is defined.
    const unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
    for (unsigned v = magnitude; v > 0; v /= 10)
        digits.insert(digits.begin(), char('0' + v % 10));
    return digits;
}
