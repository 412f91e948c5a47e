#include "form/layout.h"

#include <algorithm>

char32_t AcceleratorOf(const char* caption)
{
    for (const char* c = caption; c[0] != '\0' && c[1] != '\0'; ++c) {
        if (c[0] != '&')
            continue;
        if (c[1] != '&') {
            const unsigned char marked = static_cast<unsigned char>(c[1]);
            // Only ASCII letters and digits mark an accelerator in the game's captions.
            if (marked >= 'a' && marked <= 'z')
                return char32_t(marked - 'a' + 'A');
            return marked < 0x80 ? char32_t(marked) : 0;
        }
        ++c;  // "&&" is a literal ampersand
    }
    return 0;
}

PageStacking StackingOf(std::span<const ControlRow> rows)
{
    PageStacking stacking;
    for (const ControlRow& row : rows)
        (DrawnOnPage(row) ? stacking.on_page : stacking.above).push_back(&row);
    std::stable_sort(stacking.above.begin(), stacking.above.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->tab_order < b->tab_order; });
    return stacking;
}
