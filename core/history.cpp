#include "core/history.h"

#include "platform/surface.h"

#include <algorithm>
#include <utility>

namespace veldor {

namespace {

// Bits enough for an index into `values` distinct values.
unsigned bitsFor(std::size_t values)
{
    unsigned bits = 0;
    while ((std::size_t(1) << bits) < values)
        ++bits;
    return bits;
}

void putBits(std::vector<std::uint64_t>& words, std::size_t at, unsigned bits, std::uint64_t value)
{
    for (unsigned b = 0; b < bits; ++b, ++at)
        if (value >> b & 1)
            words[at / 64] |= std::uint64_t(1) << (at % 64);
}

std::uint64_t getBits(const std::vector<std::uint64_t>& words, std::size_t at, unsigned bits)
{
    std::uint64_t value = 0;
    for (unsigned b = 0; b < bits; ++b, ++at)
        value |= (words[at / 64] >> (at % 64) & 1) << b;
    return value;
}

std::size_t indexOf(std::vector<std::int32_t>& values, std::int32_t value)
{
    const auto found = std::find(values.begin(), values.end(), value);
    if (found != values.end())
        return std::size_t(found - values.begin());
    values.push_back(value);
    return values.size() - 1;
}

} // namespace

StatusChanges::StatusChanges(const std::vector<std::int32_t>& before, const std::vector<std::int32_t>& after)
{
    const std::size_t rows = std::min(before.size(), after.size());
    std::size_t last = 0;
    first_ = rows;
    for (std::size_t i = 0; i < rows; ++i)
        if (before[i] != after[i]) {
            first_ = std::min(first_, i);
            last = i;
            ++changedRows_;
            indexOf(beforeValues_, before[i]);
            indexOf(afterValues_, after[i]);
        }
    if (changedRows_ == 0) {
        first_ = 0;
        return;
    }
    span_ = last - first_ + 1;
    beforeBits_ = bitsFor(beforeValues_.size());
    afterBits_ = bitsFor(afterValues_.size());
    changed_.assign((span_ + 63) / 64, 0);
    codes_.assign((changedRows_ * (beforeBits_ + afterBits_) + 63) / 64, 0);
    std::size_t at = 0;
    for (std::size_t i = first_; i <= last; ++i) {
        if (before[i] == after[i])
            continue;
        putBits(changed_, i - first_, 1, 1);
        putBits(codes_, at, beforeBits_, indexOf(beforeValues_, before[i]));
        putBits(codes_, at + beforeBits_, afterBits_, indexOf(afterValues_, after[i]));
        at += beforeBits_ + afterBits_;
    }
}

std::size_t StatusChanges::bytes() const
{
    return (changed_.capacity() + codes_.capacity()) * sizeof(std::uint64_t)
         + (beforeValues_.capacity() + afterValues_.capacity()) * sizeof(std::int32_t);
}

void StatusChanges::apply(std::vector<std::int32_t>& status, bool forward) const
{
    std::size_t at = 0;
    for (std::size_t i = 0; i < span_; ++i) {
        if (!getBits(changed_, i, 1))
            continue;
        const std::size_t row = first_ + i;
        const std::uint64_t code =
            forward ? getBits(codes_, at + beforeBits_, afterBits_) : getBits(codes_, at, beforeBits_);
        if (row < status.size())
            status[row] = forward ? afterValues_[code] : beforeValues_[code];
        at += beforeBits_ + afterBits_;
    }
}

SceneStep::SceneStep(const char* label, Header before, Header after, std::vector<ChangedRow> rows,
                     StatusChanges statuses)
    : label_(label), before_(std::move(before)), after_(std::move(after)), rows_(std::move(rows)),
      statuses_(std::move(statuses))
{
}

SceneStep::Header SceneStep::headerOf(const SceneDocument& d)
{
    return {d.skyFile, d.groundFile, d.tintRed, d.tintGreen, d.tintBlue, d.objectCount, d.objects.size()};
}

SceneStep::Row SceneStep::rowOf(const ObjectTable& t, std::size_t i)
{
    return {t.status[i], t.imageFile[i], t.title[i], t.left[i], t.top[i], t.width[i], t.height[i]};
}

bool SceneStep::empty() const { return before_ == after_ && rows_.empty() && statuses_.empty(); }

namespace {

// A long name's block, as if no other row shared it.
std::size_t textBytes(const CompactString& s) { return s.size() > 7 ? s.size() + 16 : 0; }

std::size_t rowBytes(const std::optional<SceneStep::Row>& row)
{
    return row ? textBytes(row->imageFile) + textBytes(row->title) : 0;
}

} // namespace

std::size_t SceneStep::bytes() const
{
    std::size_t total = sizeof(SceneStep) + before_.skyFile.capacity() + before_.groundFile.capacity()
                      + after_.skyFile.capacity() + after_.groundFile.capacity()
                      + rows_.capacity() * sizeof(ChangedRow) + statuses_.bytes();
    for (const ChangedRow& row : rows_)
        total += rowBytes(row.before) + rowBytes(row.after);
    return total;
}

void SceneStep::apply(SceneDocument& d, bool forward) const
{
    const Header& h = forward ? after_ : before_;
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
    statuses_.apply(t.status, forward);
    for (const ChangedRow& changed : rows_) {
        const std::optional<Row>& row = forward ? changed.after : changed.before;
        const std::size_t i = changed.index;
        if (!row || i >= h.rows)
            continue;
        t.status[i] = row->status;
        t.imageFile[i] = row->imageFile;
        t.title[i] = row->title;
        t.left[i] = row->left;
        t.top[i] = row->top;
        t.width[i] = row->width;
        t.height[i] = row->height;
    }
}

void SceneStep::undo(SceneDocument& d) const { apply(d, false); }

void SceneStep::redo(SceneDocument& d) const { apply(d, true); }

History::History(std::size_t limit, std::size_t byteLimit)
    : limit_(std::max<std::size_t>(limit, 1)), byteLimit_(byteLimit)
{
}

void History::reset(bool saved)
{
    done_.clear();
    undone_.clear();
    bytes_ = 0;
    baseId_ = baseSceneId_ = nextId_++;
    // Unsaved work matches no document any step could lead back to.
    savedId_ = saved ? baseId_ : 0;
}

std::uint64_t History::currentId() const { return done_.empty() ? baseId_ : done_.back().id; }

const char* History::undoLabel() const
{
    if (!canUndo())
        return "";
    return done_.back().scene ? done_.back().scene->label() : "Effects";
}

const char* History::redoLabel() const
{
    if (!canRedo())
        return "";
    return undone_.back().scene ? undone_.back().scene->label() : "Effects";
}

void History::forget(std::deque<Step>& steps, std::deque<Step>::iterator step)
{
    // What the oldest step led to is the one left to undo to.
    if (&steps == &done_ && step == done_.begin()) {
        baseId_ = step->id;
        baseSceneId_ = step->sceneId;
    }
    bytes_ -= step->bytes;
    steps.erase(step);
}

void History::push(Step step)
{
    for (const Step& s : undone_)
        bytes_ -= s.bytes;
    undone_.clear();
    bytes_ += step.bytes;
    const bool picture = step.picture.has_value();
    done_.push_back(std::move(step));
    trim(picture);
}

void History::trim(bool pictureJustAdded)
{
    const auto isPicture = [](const Step& s) { return s.picture.has_value(); };
    for (;;) {
        const std::size_t pictures = std::size_t(std::count_if(done_.begin(), done_.end(), isPicture));
        const std::size_t scenes = done_.size() - pictures;
        const bool overBytes = bytes_ > byteLimit_;
        // The newest step always stays.
        const auto oldestPicture = std::find_if(done_.begin(), std::prev(done_.end()), isPicture);
        const auto oldestScene =
            std::find_if(done_.begin(), std::prev(done_.end()), [](const Step& s) { return s.scene.has_value(); });
        if ((pictures > limit_ || overBytes) && oldestPicture != std::prev(done_.end())) {
            forget(done_, oldestPicture);
            continue;
        }
        // Effects make room among themselves only.
        if (pictureJustAdded)
            return;
        if ((scenes > limit_ || overBytes) && oldestScene != std::prev(done_.end())) {
            forget(done_, oldestScene);
            continue;
        }
        return;
    }
}

void History::recordScene(SceneStep change)
{
    if (change.empty())
        return;
    Step step;
    step.bytes = change.bytes();
    step.scene = std::move(change);
    step.id = step.sceneId = nextId_++;
    push(std::move(step));
}

void History::recordPicture(Picture before)
{
    Step step;
    step.bytes = sizeof(Step) + before.data().capacity() * sizeof(Color);
    step.picture = std::move(before);
    step.id = nextId_++;
    step.sceneId = done_.empty() ? baseSceneId_ : done_.back().sceneId;
    push(std::move(step));
}

bool History::dropPictureSteps()
{
    const std::size_t steps = done_.size() + undone_.size();
    if (savedId_ == baseId_)
        savedId_ = baseSceneId_;
    baseId_ = baseSceneId_;
    for (std::deque<Step>* steps : {&done_, &undone_})
        for (auto s = steps->begin(); s != steps->end();)
            if (s->picture) {
                // Saved with effects on: without them it is the scene saved.
                if (s->id == savedId_)
                    savedId_ = s->sceneId;
                bytes_ -= s->bytes;
                s = steps->erase(s);
            } else {
                ++s;
            }
    return done_.size() + undone_.size() != steps;
}

void History::replay(std::deque<Step>& from, std::deque<Step>& to, bool forward, SceneDocument& document,
                     Surface& picture)
{
    if (from.empty())
        return;
    Step step = std::move(from.back());
    from.pop_back();
    if (step.scene) {
        forward ? step.scene->redo(document) : step.scene->undo(document);
    } else {
        // Traded, so that one picture serves both ways; the shown picture
        // keeps its pen and counts as newly replaced.
        Picture& kept = *step.picture;
        const Pen pen = picture.pen();
        const int width = picture.width(), height = picture.height();
        std::vector<Color> shown = std::move(picture.data());
        picture.replaceBitmap(kept.width(), kept.height(), std::move(kept.data()));
        picture.pen() = pen;
        kept = Picture(width, height, std::move(shown));
    }
    to.push_back(std::move(step));
}

void History::undo(SceneDocument& document, Surface& picture) { replay(done_, undone_, false, document, picture); }

void History::redo(SceneDocument& document, Surface& picture) { replay(undone_, done_, true, document, picture); }

} // namespace veldor
