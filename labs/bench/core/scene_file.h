#pragma once

#include "scene.h"

#include <optional>
#include <string>
#include <string_view>

// The scene file (docs/scene-format.md): JSON text in UTF-8, read from any bytes into a Scene or
// a refusal that names the place, and written back so that it reads to the same Scene.
//
//     SceneReading r = readScene(bytes);
//     if (!r.scene)
//         std::cerr << errorLine("drop.lumenary", r.error) << '\n';
namespace lumenary::bench
{

// Why and where a file was refused. The place is a line and column (1-based) for what is not
// JSON or passes a reading limit, or an element's index and key (element −1: the scene's own
// keys) for JSON that is not a scene; line 0 with no key is the file as a whole.
struct SceneError {
    int line = 0;
    int column = 0;
    int element = -1;
    std::string elementName;
    std::string key;
    std::string message;
};

// A scene, or the reason there is none.
struct SceneReading {
    std::optional<Scene> scene;
    SceneError error;
};

// Reads a scene file's bytes. Every check of scene_check.h and every limit of scene_limits.h
// applies; keys the program does not know are kept with their values.
SceneReading readScene(std::string_view bytes);

// The scene as file text: one key a line, one element a line, numbers in the shortest form that
// reads back to the same double, unknown keys written back after the known ones.
std::string writeScene(const Scene& scene);

// One line for a person: "FILE:LINE:COLUMN: message", "FILE: element 2 (name), key \"r1\":
// message", "FILE: key \"fresnel\": message" or "FILE: message".
std::string errorLine(std::string_view fileName, const SceneError& error);

} // namespace lumenary::bench
