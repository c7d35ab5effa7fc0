#pragma once
// The undo history: labelled changes to the scene document, and the special
// effects laid over the picture since its last rendering. Bounded in steps
// and in bytes, so that no scene, however large, can make it grow without
// end.
#include "core/scene.h"
#include "platform/picture.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace veldor {

class Surface;

// How a command changed the status of many rows, in about two bits a row
// for the bulk commands: which rows changed, as a bitmap over the span they
// lie in, and for each changed row its status before and after, as indexes
// into the few distinct values those take.
class StatusChanges {
public:
    StatusChanges() = default;
    // The rows where `before` and `after` differ (compared up to the shorter).
    StatusChanges(const std::vector<std::int32_t>& before, const std::vector<std::int32_t>& after);

    bool empty() const { return changedRows_ == 0; }
    std::size_t bytes() const;
    // Sets each changed row below status.size() to its status before, or after.
    void apply(std::vector<std::int32_t>& status, bool forward) const;

private:
    std::size_t first_ = 0, span_ = 0, changedRows_ = 0;
    std::vector<std::uint64_t> changed_; // bit i: row first_ + i changed
    std::vector<std::int32_t> beforeValues_, afterValues_;
    unsigned beforeBits_ = 0, afterBits_ = 0;
    std::vector<std::uint64_t> codes_; // per changed row: before index, then after index
};

// What one command did to the document. Rows are kept whole only where the
// command named them; a status change over many rows is kept as
// StatusChanges.
class SceneStep {
public:
    struct Header {
        std::string skyFile, groundFile;
        std::int32_t tintRed = 0, tintGreen = 0, tintBlue = 0, objectCount = 0;
        std::size_t rows = 0;
        bool operator==(const Header&) const = default;
    };
    struct Row {
        std::int32_t status = 0;
        CompactString imageFile, title;
        std::int32_t left = 0, top = 0, width = 0, height = 0;
        bool operator==(const Row&) const = default;
    };
    // A row on one side only is there because the table grew or shrank.
    struct ChangedRow {
        std::size_t index;
        std::optional<Row> before, after;
    };

    SceneStep(const char* label, Header before, Header after, std::vector<ChangedRow> rows,
              StatusChanges statuses);

    static Header headerOf(const SceneDocument& document);
    static Row rowOf(const ObjectTable& table, std::size_t index);

    const char* label() const { return label_; }
    bool empty() const;
    // What the step keeps, counted generously (long names as if unshared).
    std::size_t bytes() const;
    void undo(SceneDocument& document) const;
    void redo(SceneDocument& document) const;

private:
    void apply(SceneDocument& document, bool forward) const;

    const char* label_;
    Header before_, after_;
    std::vector<ChangedRow> rows_;
    StatusChanges statuses_;
};

class History {
public:
    static constexpr std::size_t kDefaultLimit = 100;
    static constexpr std::size_t kDefaultByteLimit = std::size_t(64) << 20;

    // Keeps at most `limit` scene steps and `limit` effects steps, and all of
    // them in at most `byteLimit` bytes; the oldest go first, the newest step
    // always stays. Effects steps never push scene steps out.
    explicit History(std::size_t limit = kDefaultLimit, std::size_t byteLimit = kDefaultByteLimit);

    // Forgets every step. The document as it is now counts as saved, or, with
    // `saved` false, as unsaved work that no file holds yet.
    void reset(bool saved = true);
    // A step the document has just taken; nothing when it changed nothing.
    // Discards whatever could have been redone.
    void recordScene(SceneStep step);
    // Effects have just changed the picture; `before` is what it was.
    void recordPicture(Picture before);
    // A rendering drops the effects, and with them their steps; false when
    // there were none.
    bool dropPictureSteps();

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    // Whether the step undo() or redo() would take changes the picture only.
    bool undoIsPicture() const { return canUndo() && done_.back().picture; }
    bool redoIsPicture() const { return canRedo() && undone_.back().picture; }
    // The command the step undo() or redo() would take was; "" when none.
    const char* undoLabel() const;
    const char* redoLabel() const;

    // Take the last step back, or forward again, on `document` or `picture`.
    // Nothing happens when there is no such step.
    void undo(SceneDocument& document, Surface& picture);
    void redo(SceneDocument& document, Surface& picture);

    // The document as it is now is the one on disk.
    void markSaved() { savedId_ = currentId(); }
    // The document, or the picture's effects, differ from what was last
    // opened or saved: undoing back to that counts as unchanged.
    bool modified() const { return currentId() != savedId_; }

    // What every step kept takes, as SceneStep::bytes and a picture's pixels
    // count it.
    std::size_t bytes() const { return bytes_; }
    std::size_t steps() const { return done_.size() + undone_.size(); }

private:
    struct Step {
        std::optional<SceneStep> scene;
        // An effects step keeps the picture on the far side of the step and
        // trades it for the one shown at each undo and redo.
        std::optional<Picture> picture;
        std::uint64_t id = 0;      // of what the step leads to
        std::uint64_t sceneId = 0; // of the document it leads to, effects aside
        std::size_t bytes = 0;
    };

    std::uint64_t currentId() const;
    void push(Step step);
    void trim(bool pictureJustAdded);
    void forget(std::deque<Step>& steps, std::deque<Step>::iterator step);
    // Takes the newest step of `from` back (forward: again) and keeps it on
    // `to`.
    static void replay(std::deque<Step>& from, std::deque<Step>& to, bool forward, SceneDocument& document,
                       Surface& picture);

    std::size_t limit_;
    std::size_t byteLimit_;
    std::deque<Step> done_;
    std::deque<Step> undone_;
    std::size_t bytes_ = 0;
    std::uint64_t nextId_ = 1;
    std::uint64_t baseId_ = 0;      // what lies below the oldest step
    std::uint64_t baseSceneId_ = 0; // the same, effects aside
    std::uint64_t savedId_ = 0;
};

} // namespace veldor
