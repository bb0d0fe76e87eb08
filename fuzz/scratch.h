// A private scratch directory per fuzzer process, made its current directory (the
// installer reads DUVOVAV.DAT from there) and removed at exit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Creates the directory and enters it; aborts when it cannot.
void enter_scratch_directory();

// Writes bytes to a file in the current directory; aborts when it cannot.
void write_whole_file(const char* name, const std::uint8_t* data, std::size_t size);

// Prints what went wrong and aborts, so that libFuzzer keeps the input.
[[noreturn]] void oracle_failed(const std::string& what);
