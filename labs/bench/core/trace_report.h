#pragma once

#include "tracer.h"

#include <string>

namespace lumenary::bench
{

// A finished trace as one JSON object (what `lumenary-trace --json` prints): the counts, every
// element with its read-outs, and every detector with its hits and spots. Numbers are written
// in the shortest form that reads back to the same double; a value that is not defined (the
// focal length of an afocal lens) is null.
std::string traceReport(const Tracer& tracer);

} // namespace lumenary::bench
