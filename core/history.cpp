#include "core/history.h"

#include <algorithm>
#include <utility>

namespace veldor {

SceneChange::Header SceneChange::headerOf(const SceneDocument& d)
{
    return {d.skyFile, d.groundFile, d.tintRed, d.tintGreen, d.tintBlue, d.objectCount, d.objects.size()};
}

SceneChange::Row SceneChange::rowOf(const ObjectTable& t, std::size_t i)
{
    return {t.status[i], t.imageFile[i], t.title[i], t.left[i], t.top[i], t.width[i], t.height[i]};
}

namespace {

bool sameRow(const ObjectTable& b, const ObjectTable& a, std::size_t i)
{
    return b.status[i] == a.status[i] && b.left[i] == a.left[i] && b.top[i] == a.top[i]
        && b.width[i] == a.width[i] && b.height[i] == a.height[i] && b.imageFile[i] == a.imageFile[i]
        && b.title[i] == a.title[i];
}

} // namespace

SceneChange::SceneChange(const SceneDocument& before, const SceneDocument& after)
    : before_(headerOf(before)), after_(headerOf(after))
{
    const ObjectTable& b = before.objects;
    const ObjectTable& a = after.objects;
    const std::size_t rows = std::max(b.size(), a.size());
    for (std::size_t i = 0; i < rows; ++i) {
        // Compared in place: building rows for every index would copy
        // every long name of a large scene.
        if (i < b.size() && i < a.size() && sameRow(b, a, i))
            continue;
        std::optional<Row> was = i < b.size() ? std::optional(rowOf(b, i)) : std::nullopt;
        std::optional<Row> is = i < a.size() ? std::optional(rowOf(a, i)) : std::nullopt;
        rows_.push_back({i, std::move(was), std::move(is)});
    }
}

bool SceneChange::empty() const { return before_ == after_ && rows_.empty(); }

void SceneChange::apply(SceneDocument& d, const Header& h, const std::vector<ChangedRow>& rows,
                        std::optional<Row> ChangedRow::*side)
{
    d.skyFile = h.skyFile;
    d.groundFile = h.groundFile;
    d.tintRed = h.tintRed;
    d.tintGreen = h.tintGreen;
    d.tintBlue = h.tintBlue;
    d.objectCount = h.objectCount;
    ObjectTable& t = d.objects;
    for (auto* column : {&t.status, &t.left, &t.top, &t.width, &t.height})
        column->resize(h.rows);
    t.imageFile.resize(h.rows);
    t.title.resize(h.rows);
    for (const ChangedRow& changed : rows) {
        const std::optional<Row>& row = changed.*side;
        if (!row)
            continue;
        const std::size_t i = changed.index;
        t.status[i] = row->status;
        t.imageFile[i] = row->imageFile;
        t.title[i] = row->title;
        t.left[i] = row->left;
        t.top[i] = row->top;
        t.width[i] = row->width;
        t.height[i] = row->height;
    }
}

void SceneChange::undo(SceneDocument& d) const { apply(d, before_, rows_, &ChangedRow::before); }

void SceneChange::redo(SceneDocument& d) const { apply(d, after_, rows_, &ChangedRow::after); }

History::History(std::size_t limit) : limit_(std::max<std::size_t>(limit, 1)) {}

void History::reset()
{
    done_.clear();
    undone_.clear();
    baseId_ = savedId_ = nextId_++;
}

std::uint64_t History::currentId() const
{
    for (auto step = done_.rbegin(); step != done_.rend(); ++step)
        if (step->scene)
            return step->id;
    return baseId_;
}

void History::push(Step step)
{
    undone_.clear();
    done_.push_back(std::move(step));
    while (done_.size() > limit_) {
        if (done_.front().scene)
            baseId_ = done_.front().id;
        done_.pop_front();
    }
}

void History::recordScene(const SceneDocument& before, const SceneDocument& after)
{
    SceneChange change(before, after);
    if (change.empty())
        return;
    Step step;
    step.scene = std::move(change);
    step.id = nextId_++;
    push(std::move(step));
}

void History::recordPicture(Surface before, Surface after)
{
    Step step;
    step.picture = std::move(before);
    step.pictureAfter = std::move(after);
    push(std::move(step));
}

void History::dropPictureSteps()
{
    const auto isPicture = [](const Step& s) { return s.picture.has_value(); };
    done_.erase(std::remove_if(done_.begin(), done_.end(), isPicture), done_.end());
    undone_.erase(std::remove_if(undone_.begin(), undone_.end(), isPicture), undone_.end());
}

void History::replay(std::deque<Step>& from, std::deque<Step>& to, bool forward, SceneDocument& document,
                     Surface& picture)
{
    if (from.empty())
        return;
    Step step = std::move(from.back());
    from.pop_back();
    if (step.scene)
        forward ? step.scene->redo(document) : step.scene->undo(document);
    else
        picture = forward ? step.pictureAfter : *step.picture;
    to.push_back(std::move(step));
}

void History::undo(SceneDocument& document, Surface& picture) { replay(done_, undone_, false, document, picture); }

void History::redo(SceneDocument& document, Surface& picture) { replay(undone_, done_, true, document, picture); }

} // namespace veldor
