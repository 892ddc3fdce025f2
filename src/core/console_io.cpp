#include "core/console_io.hpp"

#include <utility>

namespace geekpath {

ConsoleIo::ConsoleIo(std::unique_ptr<ConsoleDevice> device, TextCodec screen, TextCodec typed)
    : device_(std::move(device)), output_(*device_, std::move(screen)), input_(*device_, std::move(typed), output_) {}

ConsoleIo::~ConsoleIo() { output_.flush(); }

void ConsoleIo::clearScreen() {
  static constexpr std::string_view kLineFeeds =
      "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n"
      "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n"
      "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n";
  static_assert(kLineFeeds.size() == 121);
  output_.print(kLineFeeds);
}

}  // namespace geekpath
