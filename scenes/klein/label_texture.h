#pragma once
// The label picture as a GL texture object, uploaded once per context and
// bound for each frame of the labelled bottle.

// Binds the label's texture as the current 2D texture (linear filtering,
// repeated across, clamped along, modulated by lighting), uploading it on the
// first call. False, with nothing bound, when there is no label picture.
bool bindLabelTexture();
// Binds texture 0 again.
void unbindLabelTexture();
