#pragma once
// The undo history: changes to the scene document, and the special effects
// laid over the picture since its last rendering.
#include "core/scene.h"
#include "platform/surface.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace veldor {

// What one change did to a document, kept as the rows that differ, so that
// a step on a large scene costs its changed rows rather than the scene.
class SceneChange {
public:
    SceneChange(const SceneDocument& before, const SceneDocument& after);

    bool empty() const;
    void undo(SceneDocument& document) const;
    void redo(SceneDocument& document) const;

private:
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

    static Header headerOf(const SceneDocument& document);
    static Row rowOf(const ObjectTable& table, std::size_t index);
    static void apply(SceneDocument& document, const Header& header, const std::vector<ChangedRow>& rows,
                      std::optional<Row> ChangedRow::*side);

    Header before_, after_;
    std::vector<ChangedRow> rows_;
};

class History {
public:
    static constexpr std::size_t kDefaultLimit = 100;

    // Keeps at most `limit` steps; the oldest go first.
    explicit History(std::size_t limit = kDefaultLimit);

    // Forgets every step; the document as it is now counts as saved.
    void reset();
    // A step from `before` to `after`; nothing when they are the same.
    // Discards whatever could have been redone.
    void recordScene(const SceneDocument& before, const SceneDocument& after);
    // Effects changed the picture from `before` to `after`.
    void recordPicture(Surface before, Surface after);
    // A rendering drops the effects, and with them their steps.
    void dropPictureSteps();

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    // Whether the step undo() or redo() would take changes the picture only.
    bool undoIsPicture() const { return canUndo() && done_.back().picture; }
    bool redoIsPicture() const { return canRedo() && undone_.back().picture; }

    // Take the last step back, or forward again, on `document` or `picture`.
    // Nothing happens when there is no such step.
    void undo(SceneDocument& document, Surface& picture);
    void redo(SceneDocument& document, Surface& picture);

    // The document as it is now is the one on disk.
    void markSaved() { savedId_ = currentId(); }
    // The document differs from the one last opened or saved: undoing back
    // to that one counts as unchanged.
    bool modified() const { return currentId() != savedId_; }

private:
    struct Step {
        std::optional<SceneChange> scene;
        std::optional<Surface> picture;
        Surface pictureAfter;
        std::uint64_t id = 0; // of the document after a scene step
    };

    std::uint64_t currentId() const;
    void push(Step step);
    // Takes the newest step of `from` back (forward: again) and keeps it on
    // `to`.
    static void replay(std::deque<Step>& from, std::deque<Step>& to, bool forward, SceneDocument& document,
                       Surface& picture);

    std::size_t limit_;
    std::deque<Step> done_;
    std::deque<Step> undone_;
    std::uint64_t nextId_ = 1;
    std::uint64_t baseId_ = 0;  // the document below the oldest step
    std::uint64_t savedId_ = 0;
};

} // namespace veldor
