#include "scenes/klein/stored_label.h"

#include "scenes/klein/label_data.h"

#include <cstdio>

const LabelImage* storedLabelImage() {
    static const std::optional<LabelImage> image = [] {
        std::optional<LabelImage> decoded = decodeLabelImage(labelData, labelDataSize);
        if (!decoded)
            std::fprintf(stderr, "lembovari: the stored label picture does not decode; the "
                                 "bottle is drawn without it\n");
        return decoded;
    }();
    return image ? &*image : nullptr;
}
