#include "core/session.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace veldor {

// One command's step under way: what it is about to change is noted before
// it changes, and the step is recorded when the command is done.
class Session::Step {
public:
    Step(Session& session, const char* label)
        : session_(session), label_(label), before_(SceneStep::headerOf(session.scene_))
    {
    }

    // The command is about to write row `index` (which may lie past the
    // table's end, for a row it appends).
    void row(std::size_t index)
    {
        const ObjectTable& t = session_.scene_.objects;
        std::optional<SceneStep::Row> was;
        if (index < t.size()) {
            was = SceneStep::rowOf(t, index);
            was->status = session_.ownStatus(index, was->status);
        }
        rows_.push_back({index, std::move(was), std::nullopt});
    }

    // The command is about to change the status of any number of rows.
    void statuses() { statuses_ = session_.scene_.objects.status; }

    void record()
    {
        const SceneState& s = session_.scene_;
        const ObjectTable& t = s.objects;
        for (SceneStep::ChangedRow& changed : rows_)
            if (changed.index < t.size()) {
                changed.after = SceneStep::rowOf(t, changed.index);
                changed.after->status = session_.ownStatus(changed.index, changed.after->status);
            }
        std::erase_if(rows_, [](const SceneStep::ChangedRow& r) { return r.before == r.after; });
        StatusChanges statuses;
        if (statuses_) {
            std::vector<std::int32_t> now = t.status;
            for (std::vector<std::int32_t>* column : {&*statuses_, &now})
                session_.ownStatuses(*column);
            statuses = StatusChanges(*statuses_, now);
        }
        session_.history_.recordScene(
            SceneStep(label_, std::move(before_), SceneStep::headerOf(s), std::move(rows_), std::move(statuses)));
        session_.changed();
    }

private:
    Session& session_;
    const char* label_;
    SceneStep::Header before_;
    std::vector<SceneStep::ChangedRow> rows_;
    std::optional<std::vector<std::int32_t>> statuses_;
};

Session::Session() { history_.reset(); }

void Session::changed() const
{
    if (onChange_)
        onChange_();
}

std::int32_t Session::ownStatus(std::size_t row, std::int32_t status) const
{
    if (hidden_ && std::size_t(hidden_->row) == row && status == ObjectStatus::Deleted)
        return hidden_->status;
    return status;
}

void Session::ownStatuses(std::vector<std::int32_t>& column) const
{
    if (hidden_ && std::size_t(hidden_->row) < column.size())
        column[std::size_t(hidden_->row)] = ownStatus(std::size_t(hidden_->row), column[std::size_t(hidden_->row)]);
}

void Session::keepPlacement()
{
    Step step(*this, "Keep It");
    const std::size_t row = std::size_t(scene_.objectCount);
    step.row(row);
    scene_.appendPlacement();
    step.record();
}

void Session::setObjectStatus(int row, std::int32_t status, const char* label)
{
    Step step(*this, label);
    step.row(std::size_t(row));
    scene_.objects.status[std::size_t(row)] = status;
    step.record();
}

void Session::bringObjectToFront(int row)
{
    Step step(*this, "Bring It To Front");
    const std::size_t end = std::size_t(scene_.objectCount);
    step.row(std::size_t(row));
    step.row(end);
    scene_.bringToFront(row);
    step.record();
}

void Session::moveObject(int row, std::int32_t left, std::int32_t top)
{
    Step step(*this, "Move");
    const std::size_t r = std::size_t(row);
    step.row(r);
    scene_.objects.left[r] = left;
    scene_.objects.top[r] = top;
    step.record();
}

void Session::resizeObject(int row, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    Step step(*this, "Re-Size");
    const std::size_t r = std::size_t(row);
    step.row(r);
    hidden_.reset();
    ObjectTable& t = scene_.objects;
    t.status[r] = ObjectStatus::Front;
    t.left[r] = left;
    t.top[r] = top;
    t.width[r] = width;
    t.height[r] = height;
    step.record();
}

void Session::applyToAll(void (*command)(SceneDocument&), const char* label)
{
    Step step(*this, label);
    step.statuses();
    command(scene_);
    step.record();
}

void Session::chooseSky(const std::string& file, std::int32_t red, std::int32_t green, std::int32_t blue)
{
    Step step(*this, "Sky");
    scene_.tintRed = red;
    scene_.tintGreen = green;
    scene_.tintBlue = blue;
    scene_.skyFile = file;
    step.record();
}

void Session::chooseGround(const std::string& file)
{
    Step step(*this, "Landscape");
    scene_.groundFile = file;
    step.record();
}

void Session::recordEffects(Picture before)
{
    history_.recordPicture(std::move(before));
    changed();
}

void Session::hideForResize(int row)
{
    std::int32_t& status = scene_.objects.status[std::size_t(row)];
    hidden_ = Hidden{row, status};
    status = ObjectStatus::Deleted;
}

void Session::showAfterResize()
{
    if (!hidden_)
        return;
    const Hidden hidden = *std::exchange(hidden_, std::nullopt);
    if (std::size_t(hidden.row) < scene_.objects.size()
        && scene_.objects.status[std::size_t(hidden.row)] == ObjectStatus::Deleted)
        scene_.objects.status[std::size_t(hidden.row)] = hidden.status;
}

void Session::replaceDocument(SceneDocument document)
{
    hidden_.reset();
    static_cast<SceneDocument&>(scene_) = std::move(document);
    history_.reset();
    changed();
}

void Session::newScene()
{
    hidden_.reset();
    scene_.resetForNew();
    history_.reset();
    changed();
}

void Session::restoreUnsaved(SceneDocument document)
{
    hidden_.reset();
    static_cast<SceneDocument&>(scene_) = std::move(document);
    history_.reset(false);
    changed();
}

bool Session::replay(bool forward, Surface& picture)
{
    if (!(forward ? history_.canRedo() : history_.canUndo()))
        return false;
    const bool effects = forward ? history_.redoIsPicture() : history_.undoIsPicture();
    forward ? history_.redo(scene_, picture) : history_.undo(scene_, picture);
    changed();
    return effects;
}

void Session::pictureRendered()
{
    if (history_.dropPictureSteps())
        changed();
}

void Session::markSaved()
{
    history_.markSaved();
    changed();
}

void Session::writeDocument(const std::function<void(const SceneDocument&)>& write)
{
    scene_.fillDefaultNames();
    if (!hidden_ || std::size_t(hidden_->row) >= scene_.objects.size()) {
        write(scene_);
        return;
    }
    // Only while a re-size is on, and so rarely, is the scene copied.
    SceneDocument document = scene_;
    std::int32_t& status = document.objects.status[std::size_t(hidden_->row)];
    status = ownStatus(std::size_t(hidden_->row), status);
    write(document);
}

} // namespace veldor
