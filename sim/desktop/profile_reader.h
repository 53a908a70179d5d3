// How Windows reads an initialisation file's text: "[section]" lines open sections, "key=value"
// lines give values; section and key names compare without regard to case, blanks around names
// and values are trimmed, a value in matching quotes loses them, ";" lines are comments and a
// section header without its closing bracket is ignored. The first section and key of a name win.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornil::sim {

// The value of key in section; nullopt when either is missing.
std::optional<std::string> ProfileValue(std::string_view contents, std::string_view section,
                                        std::string_view key);
// The section's key names in order; nullopt when the section is missing.
std::optional<std::vector<std::string>> ProfileKeys(std::string_view contents,
                                                    std::string_view section);

}  // namespace ornil::sim
