// SHA-256 of a run of bytes, as lower-case hexadecimal (the backups' manifest names each file's).
#pragma once

#include <string>
#include <string_view>

namespace tallyrin {

std::string sha256Hex(std::string_view bytes);

} // namespace tallyrin
