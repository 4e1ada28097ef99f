// SPDX-License-Identifier: MIT
#include "assets/embedded.h"

#include <algorithm>

namespace hexbrawl::assets {

std::optional<Blob> find(std::string_view path)
{
    const auto table = embedded::entries();
    const auto it = std::lower_bound(table.begin(), table.end(), path,
                                     [](const embedded::Entry& e, std::string_view p) { return e.path < p; });
    if (it == table.end() || it->path != path || !it->blob.data)
        return std::nullopt;
    return it->blob;
}

}  // namespace hexbrawl::assets
