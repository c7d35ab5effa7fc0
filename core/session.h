#pragma once
// The scene the user works on, with its undo history and whether it differs
// from the one last opened or saved. Every command that changes the scene
// does so through one of the methods here, which records it as one labelled
// step as it is made; the windows only call them. Run-time fields of the
// scene (the edit in progress, the pending placement) are set directly.
#include "core/history.h"
#include "core/scene.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace veldor {

class Session {
public:
    Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    SceneState& scene() { return scene_; }
    const SceneState& scene() const { return scene_; }
    const History& history() const { return history_; }

    // Called after every change of the document, its history or whether it
    // is saved, so that what shows them (the picture's description, the
    // Undo and Redo items, the recovery copy) can follow at once.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    // The commands, each one step named as its label says.
    // "Keep It": the placement just drawn becomes a row in front.
    void keepPlacement();
    // "Delete It", "Send Behind Land", "Send To Front Of Landscape", ...
    void setObjectStatus(int row, std::int32_t status, const char* label);
    // "Bring It To Front": the row is retired, its copy appended in front.
    void bringObjectToFront(int row);
    void moveObject(int row, std::int32_t left, std::int32_t top);
    // Also ends a re-size begun with hideForResize.
    void resizeObject(int row, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    // Delete All and the other commands on every row.
    void applyToAll(void (*command)(SceneDocument&), const char* label);
    void chooseSky(const std::string& file, std::int32_t red, std::int32_t green, std::int32_t blue);
    void chooseGround(const std::string& file);
    // Effects have just changed `picture`, which showed `before`.
    void recordEffects(Picture before);

    // "Re-Size It" hides the row while a new rectangle is drawn for it. That
    // is no change of the scene: steps recorded meanwhile, and the document
    // written meanwhile, keep the row's own status.
    void hideForResize(int row);
    // The re-size ended without a new size: the row shows again, no step.
    void showAfterResize();
    // The row being re-sized, or -1.
    int resizing() const { return hidden_ ? hidden_->row : -1; }

    // Open: the scene read from a file, with a fresh history; it counts as
    // saved.
    void replaceDocument(SceneDocument document);
    // New: the empty scene, with a fresh history.
    void newScene();
    // Work brought back from a recovery copy: a fresh history, and unsaved.
    void restoreUnsaved(SceneDocument document);

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // Takes the last step back or forward again; true when it was an
    // effects step (the picture is then already what it was), false when
    // the scene changed and must be rendered. Nothing happens without a step.
    bool undo(Surface& picture) { return replay(false, picture); }
    bool redo(Surface& picture) { return replay(true, picture); }
    // A rendering has dropped the effects.
    void pictureRendered();

    bool modified() const { return history_.modified(); }
    void markSaved();

    // Calls `write` with the document as it belongs in a file: the default
    // names filled in (they are what the picture shows), and a row hidden
    // for a re-size with its own status.
    void writeDocument(const std::function<void(const SceneDocument&)>& write);

private:
    class Step;
    friend class Step;
    void changed() const;
    // A status as the scene has it, not as a re-size hides it.
    std::int32_t ownStatus(std::size_t row, std::int32_t status) const;
    void ownStatuses(std::vector<std::int32_t>& column) const;
    bool replay(bool forward, Surface& picture);

    struct Hidden {
        int row;
        std::int32_t status;
    };

    SceneState scene_;
    History history_;
    std::optional<Hidden> hidden_;
    std::function<void()> onChange_;
};

} // namespace veldor
