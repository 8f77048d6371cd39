#pragma once
// A back end for the GL 1.1 subset that keeps what it is handed.

#include "web/gl11/draw_batch.h"

#include <vector>

struct RecordingRenderer : gl11::Renderer {
    std::vector<gl11::DrawBatch> batches;
    int clears = 0;

    void clear(unsigned, const std::array<float, 4>&, bool) override { ++clears; }
    void viewport(int, int, int, int) override {}
    void draw(const gl11::DrawBatch& batch) override { batches.push_back(batch); }
    // With retains set, lists reach it as the GPU back end gets them.
    bool retains = false;
    std::vector<gl11::RetainedDraw> retained;
    bool drawsRetained() const override { return retains; }
    void drawRetained(const gl11::RetainedDraw& draw) override { retained.push_back(draw); }
    // Every vertex of every batch, in order.
    std::vector<gl11::ShadedVertex> vertices() const;
};
