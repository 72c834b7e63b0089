#pragma once

#include <QString>

#include <cstdint>

namespace lumenary::soak
{

// Answers every dialog of the Optical Bench from a generator of its own seed, with files in
// folder (see soak_bench_dialogs.cpp); the student's folders are never touched.
void answerBenchDialogs(const QString& folder, std::uint64_t seed);

} // namespace lumenary::soak
