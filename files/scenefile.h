#pragma once
// The .vdr scene file: "Tolvane Veldor File", sky, ground, three tints, the
// object count, then seven lines per object row; every line ends in CR LF.
#include "core/scene.h"

#include <optional>
#include <string>

namespace veldor {

inline constexpr const char* kSceneMagic = "Tolvane Veldor File";

// Parses a whole file's bytes. Returns nullopt when the first line is not
// exactly the magic; throws veldor::Error on a bad integer line or a
// negative count. Memory grows with the bytes, never with the claimed count:
// at most about three times the file's size in all.
std::optional<SceneDocument> parseScene(std::string bytes);
// Reads a scene file as a stream (throws the input/output error when it
// cannot). A file that is not a scene is refused after its first few
// kilobytes.
std::optional<SceneDocument> readSceneFile(const std::string& path);

std::string formatScene(const SceneDocument& scene);
// Writes beside the target and renames over it.
void writeSceneFile(const SceneDocument& scene, const std::string& path);

} // namespace veldor
