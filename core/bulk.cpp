#include "core/bulk.h"

#include <algorithm>
#include <cstddef>

namespace veldor {

namespace {

// Rows 0 to objectCount - 1 whose status passes `matches` get `to`. A count
// beyond the table (a damaged scene) stops at the table's end.
template <class Predicate>
void restatus(SceneDocument& scene, Predicate matches, std::int32_t to)
{
    const std::size_t rows = std::min<std::size_t>(std::size_t(std::max(scene.objectCount, 0)),
                                                   scene.objects.size());
    for (std::size_t i = 0; i < rows; ++i)
        if (matches(scene.objects.status[i]))
            scene.objects.status[i] = to;
}

} // namespace

void deleteAll(SceneDocument& scene) { restatus(scene, isShown, ObjectStatus::Deleted); }

void unDeleteAll(SceneDocument& scene)
{
    restatus(scene, [](std::int32_t s) { return s == ObjectStatus::Deleted; }, ObjectStatus::Front);
}

void bringAllToFront(SceneDocument& scene) { restatus(scene, isShown, ObjectStatus::Front); }

void sendAllBehindLand(SceneDocument& scene) { restatus(scene, isShown, ObjectStatus::Behind); }

} // namespace veldor
