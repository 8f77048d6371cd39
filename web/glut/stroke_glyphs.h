#pragma once
// The table of GLUT_STROKE_ROMAN's glyphs, generated at build time from the
// installed freeglut (tools/stroke-glyphs): each character's line strips in
// stroke units, the advance it moves the pen by, and glutStrokeWidth's answer.

struct StrokeStrip {
    int firstPoint; // index of its first x, y pair in strokePoints
    int pointCount;
};

struct StrokeGlyph {
    int firstStrip; // index in strokeStrips
    int stripCount;
    float advance;
    int width;
};

extern const float strokePoints[];
extern const StrokeStrip strokeStrips[];
extern const StrokeGlyph strokeGlyphs[128];
