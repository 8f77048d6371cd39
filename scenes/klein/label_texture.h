#pragma once
// The label picture in the exhibit's language as a GL texture object,
// uploaded at the update step once per context and language, and bound for
// each frame of the labelled bottle.

// Uploads the label's texture (linear filtering, repeated across, clamped
// along) when the current context does not hold it yet in the exhibit's
// language; true when the context holds it, false when there is no label
// picture.
bool uploadLabelTexture();
// Binds the uploaded texture as the current 2D texture, modulated by
// lighting. False, with nothing bound, when there is none.
bool bindLabelTexture();
// Binds texture 0 again.
void unbindLabelTexture();
