// The page and the Node.js runner are UTF-8 terminals: every text converts by the tables,
// and no other codeset ever needs a converter.

#include "platform/platform.hpp"

namespace geekpath::platform {

std::unique_ptr<ForeignCodeset> openForeignCodeset(std::string_view /*codeset*/) { return nullptr; }

}  // namespace geekpath::platform
