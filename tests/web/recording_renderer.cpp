#include "tests/web/recording_renderer.h"

std::vector<gl11::ShadedVertex> RecordingRenderer::vertices() const {
    std::vector<gl11::ShadedVertex> all;
    for (const gl11::DrawBatch& batch : batches)
        all.insert(all.end(), batch.vertices.begin(), batch.vertices.end());
    return all;
}
