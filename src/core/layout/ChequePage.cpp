#include "ChequePage.h"

#include <stdexcept>

namespace quillset {

const PageItem &ChequePage::item(const QString &name) const
{
    for (const PageItem &candidate : items) {
        if (candidate.name == name)
            return candidate;
    }
    throw std::out_of_range("no such item on the cheque page");
}

} // namespace quillset
