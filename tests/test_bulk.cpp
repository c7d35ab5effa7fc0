// The Tools commands over a table that holds every status, including one no
// window ever writes (5), and rows past objectCount that must stay as they are.
#include "core/bulk.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace veldor;
using namespace veldor::ObjectStatus;

namespace {

using Statuses = std::vector<std::int32_t>;

// Rows 0..4 are in use with the statuses Deleted, Front, Behind, Retired, 5;
// row 5 lies past objectCount and is Front.
SceneDocument mixedScene()
{
    SceneDocument s;
    const Statuses statuses = {Deleted, Front, Behind, Retired, 5, Front};
    s.objects.recreate(statuses.size());
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        s.objects.status[i] = statuses[i];
        s.objects.imageFile[i] = "object" + std::to_string(i % 5) + ".bmp";
        s.objects.title[i] = "row " + std::to_string(i);
        s.objects.left[i] = std::int32_t(10 * i);
        s.objects.top[i] = std::int32_t(20 * i);
        s.objects.width[i] = std::int32_t(30 + i);
        s.objects.height[i] = std::int32_t(40 + i);
    }
    s.objectCount = 5;
    return s;
}

// The scene with only the status column replaced.
SceneDocument withStatuses(SceneDocument s, const Statuses& statuses)
{
    s.objects.status = statuses;
    return s;
}

struct Command {
    const char* name;
    void (*run)(SceneDocument&);
    Statuses expected;
};

const Command kCommands[] = {
    {"deleteAll", deleteAll, {Deleted, Deleted, Deleted, Retired, Deleted, Front}},
    {"unDeleteAll", unDeleteAll, {Front, Front, Behind, Retired, 5, Front}},
    {"bringAllToFront", bringAllToFront, {Deleted, Front, Front, Retired, Front, Front}},
    {"sendAllBehindLand", sendAllBehindLand, {Deleted, Behind, Behind, Retired, Behind, Front}},
};

} // namespace

TEST(BulkCommands, ChangeOnlyTheStatusOfTheRowsTheyCover)
{
    for (const Command& c : kCommands) {
        SCOPED_TRACE(c.name);
        SceneDocument s = mixedScene();
        c.run(s);
        // Whole-scene comparison: no other column, row or field moved.
        EXPECT_EQ(s, withStatuses(mixedScene(), c.expected));
    }
}

TEST(BulkCommands, DeleteThenUnDeleteBringsEveryShownRowBackInFront)
{
    SceneDocument s = mixedScene();
    deleteAll(s);
    unDeleteAll(s);
    EXPECT_EQ(s.objects.status, (Statuses{Front, Front, Front, Retired, Front, Front}));

    // Behind then front restores the picture only where all were in front.
    SceneDocument t = mixedScene();
    sendAllBehindLand(t);
    bringAllToFront(t);
    EXPECT_EQ(t.objects.status, (Statuses{Deleted, Front, Front, Retired, Front, Front}));
}

TEST(BulkCommands, CountsOutsideTheTableAreSafe)
{
    for (const Command& c : kCommands) {
        SCOPED_TRACE(c.name);
        // No objects: the one empty row is not visited.
        SceneDocument empty;
        empty.objects.status[0] = Front;
        c.run(empty);
        EXPECT_EQ(empty.objects.status, (Statuses{Front}));

        SceneDocument negative = mixedScene();
        negative.objectCount = -3;
        c.run(negative);
        EXPECT_EQ(negative.objects, mixedScene().objects);

        // A count past the table (a damaged scene) stops at the table's end.
        SceneDocument tooMany = mixedScene();
        tooMany.objectCount = 1000;
        c.run(tooMany);
        EXPECT_EQ(tooMany.objects.size(), 6u);
        EXPECT_EQ(tooMany.objects.status[3], Retired);
    }
}
