#pragma once
// The Tools commands that change the layer of every object at once. They
// touch only the status column, never add, drop or reorder rows, and leave
// Retired rows alone; the caller renders afterwards.
#include "core/scene.h"

namespace veldor {

// Every shown row becomes Deleted.
void deleteAll(SceneDocument& scene);
// Every Deleted row comes back as Front, whichever side of the land it was
// on before.
void unDeleteAll(SceneDocument& scene);
// Every shown row becomes Front; the table order, and so the stacking order,
// stays as it is.
void bringAllToFront(SceneDocument& scene);
// Every shown row becomes Behind.
void sendAllBehindLand(SceneDocument& scene);

} // namespace veldor
