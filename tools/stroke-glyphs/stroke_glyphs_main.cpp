// lembovari-stroke-glyphs: writes the browser build's table of stroke
// glyphs, read from the installed freeglut itself, so that the browser's
// captions are drawn and measured exactly as the desktop's.
//
//   lembovari-stroke-glyphs OUT.cpp
//
// Each character of GLUT_STROKE_ROMAN is drawn in GL feedback mode through
// a projection that maps stroke units one to one onto window coordinates
// (scales by powers of two, no translation, so nothing is rounded), and its
// line strips are read back from the feedback buffer. The advance
// is the translation the character leaves on the modelview matrix, and the
// width is glutStrokeWidth's own answer. Needs an X display; exit status 1
// when none is found or a glyph cannot be read.

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Strip {
    std::vector<float> points; // x, y pairs
};

struct Glyph {
    std::vector<Strip> strips;
    float advance = 0;
    int width = 0;
};

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "lembovari-stroke-glyphs: %s\n", message.c_str());
    std::exit(1);
}

Glyph readGlyph(int character) {
    std::vector<GLfloat> feedback(1 << 16);
    glFeedbackBuffer(GLsizei(feedback.size()), GL_2D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glutStrokeCharacter(GLUT_STROKE_ROMAN, character);
    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    const int count = glRenderMode(GL_RENDER);
    if (count < 0)
        fail("the feedback buffer overflowed at character " + std::to_string(character));
    Glyph glyph;
    glyph.advance = modelview[12];
    glyph.width = glutStrokeWidth(GLUT_STROKE_ROMAN, character);
    // Mesa returns every segment as a line token, so a strip is a run of
    // segments each starting where the one before it ended.
    for (int at = 0; at < count; at += 5) {
        const GLfloat token = feedback[std::size_t(at)];
        const GLfloat* p = &feedback[std::size_t(at) + 1];
        if (token != GL_LINE_TOKEN && token != GL_LINE_RESET_TOKEN)
            fail("unexpected feedback token at character " + std::to_string(character));
        std::vector<float>* last = glyph.strips.empty() ? nullptr : &glyph.strips.back().points;
        const bool continues = last && token == GL_LINE_TOKEN &&
                               (*last)[last->size() - 2] == p[0] &&
                               (*last)[last->size() - 1] == p[1];
        if (continues)
            last->insert(last->end(), {p[2], p[3]});
        else
            glyph.strips.push_back({{p[0], p[1], p[2], p[3]}});
    }
    return glyph;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lembovari-stroke-glyphs OUT.cpp\n");
        return 2;
    }
    if (!std::getenv("DISPLAY"))
        fail("no X display (DISPLAY is not set)");
    int glutArgc = 1;
    glutInit(&glutArgc, argv);
    glutInitDisplayMode(GLUT_RGB);
    glutInitWindowSize(16, 16);
    glutCreateWindow("lembovari-stroke-glyphs");
    // Window = NDC * 1024 + 0, and NDC = object / 1024: both exact in binary.
    glViewport(-1024, -1024, 2048, 2048);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1024, 1024, -1024, 1024, -1, 1);

    std::vector<Glyph> glyphs;
    for (int c = 0; c < 128; ++c)
        glyphs.push_back(readGlyph(c));
    if (glyphs['A'].strips.empty() || glyphs['A'].width == 0)
        fail("GLUT_STROKE_ROMAN drew nothing for 'A'");

    FILE* out = std::fopen(argv[1], "w");
    if (!out)
        fail(std::string("cannot write ") + argv[1]);
    std::fprintf(out, "// Generated at build time by lembovari-stroke-glyphs from the installed\n"
                      "// freeglut's GLUT_STROKE_ROMAN. Do not edit.\n\n"
                      "#include \"web/glut/stroke_glyphs.h\"\n\n"
                      "const float strokePoints[] = {\n");
    int points = 0, strips = 0;
    for (const Glyph& g : glyphs)
        for (const Strip& s : g.strips)
            for (float v : s.points)
                std::fprintf(out, "    %.9g,\n", double(v));
    std::fprintf(out, "    0};\n\nconst StrokeStrip strokeStrips[] = {\n");
    for (const Glyph& g : glyphs)
        for (const Strip& s : g.strips) {
            std::fprintf(out, "    {%d, %d},\n", points, int(s.points.size() / 2));
            points += int(s.points.size() / 2);
        }
    std::fprintf(out, "    {0, 0}};\n\nconst StrokeGlyph strokeGlyphs[128] = {\n");
    for (const Glyph& g : glyphs) {
        std::fprintf(out, "    {%d, %d, %.9g, %d},\n", strips, int(g.strips.size()),
                     double(g.advance), g.width);
        strips += int(g.strips.size());
    }
    std::fprintf(out, "};\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
