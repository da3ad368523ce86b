#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace varnel::fuzz {

// A file of this process's own, in memory where the system has such a
// folder, holding the fuzzer's bytes as they are.
std::filesystem::path FileWith(const std::uint8_t* data, std::size_t size,
                               const std::string& name = "input");

[[noreturn]] void Fail(const std::string& what, const std::string& detail);

} // namespace varnel::fuzz
