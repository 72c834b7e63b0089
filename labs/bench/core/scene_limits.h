#pragma once

#include <cstddef>
#include <cstdint>

// What a scene may hold, and why each bound has its value. The reader refuses a file past any of
// them with a line that names the place; the tracer skips an element the window lets past them.
namespace lumenary::bench
{

// A scene file's size: a thousand-element scene takes about 150 kB, so 4 MiB leaves room for
// long polygons while keeping the parsed document (about 64 bytes a value) well under 100 MB.
inline constexpr std::size_t kMaxFileBytes = 4u << 20;
// How deeply arrays and objects may nest; a scene needs four levels (scene, elements, element,
// vertex), unknown keys may add some.
inline constexpr int kMaxNesting = 32;
// How many values (numbers, texts, arrays, objects) a file may hold.
inline constexpr std::size_t kMaxValues = 1000000;
// Texts: an element's name and the scene's description, in bytes.
inline constexpr std::size_t kMaxNameBytes = 1000;
inline constexpr std::size_t kMaxDescriptionBytes = 10000;

// Elements of a scene: ten times the largest benchmarked scene.
inline constexpr std::size_t kMaxElements = 10000;
// Corners of one glass polygon, and of all of them: checking that a polygon is simple compares
// every pair of its edges.
inline constexpr std::size_t kMaxPolygonVertices = 1000;
inline constexpr std::size_t kMaxTotalVertices = 100000;
// Rays started by all sources together, each wavelength counted (rays × wavelengths): a
// quarter of a million paths take a few seconds to trace.
inline constexpr std::int64_t kMaxPaths = 250000;

// Every coordinate and length lies within a kilometre of the origin; angles within a million
// degrees. Rays leaving the scene are followed to the edge of the square kWorldHalfWidth about
// the origin, far outside anything a scene can hold.
inline constexpr double kMaxCoordinate = 1e6;
inline constexpr double kMaxAngle = 1e6;
inline constexpr double kWorldHalfWidth = 1e7;
// The shortest length an element may have (1 nm): shorter ones are degenerate.
inline constexpr double kMinLength = 1e-6;
// Fixed refractive indices.
inline constexpr double kMinIndex = 1.0;
inline constexpr double kMaxIndex = 10.0;

// The trace limits a file may set: interactions per path, and segments in all; a segment keeps
// about 60 bytes, so the largest budget holds about 240 MB.
inline constexpr std::int64_t kMaxInteractionsLimit = 10000000;
inline constexpr std::int64_t kMaxSegmentsLimit = 4000000;

// White light: 2 to 400 wavelengths.
inline constexpr int kMinWhite = 2;
inline constexpr int kMaxWhite = 400;

} // namespace lumenary::bench
