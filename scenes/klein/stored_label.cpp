#include "scenes/klein/stored_label.h"

#include "scenes/klein/label_data.h"

#include <cstdio>
#include <map>

const LabelImage* storedLabelImage(const std::string& language) {
    const EmbeddedLabel* stored = &embeddedLabels[0];
    for (std::size_t k = 0; k < embeddedLabelCount; ++k)
        if (language == embeddedLabels[k].language)
            stored = &embeddedLabels[k];
    // Keyed by the stored label, so that languages sharing one decode it once.
    static std::map<const EmbeddedLabel*, std::optional<LabelImage>> decoded;
    auto found = decoded.find(stored);
    if (found == decoded.end()) {
        found = decoded.emplace(stored, decodeLabelImage(stored->data, stored->size)).first;
        if (!found->second)
            std::fprintf(stderr,
                         "lembovari: the stored %s label picture does not decode; the bottle is "
                         "drawn without it\n",
                         stored->language);
    }
    return found->second ? &*found->second : nullptr;
}
