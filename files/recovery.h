#pragma once
// The recovery copy: while a scene has unsaved changes, a copy of it is kept
// in the user's state folder, so that a crash, a kill or a power cut loses
// at most the last few seconds. Each running program keeps its own copy and
// holds a lock on it; a copy whose lock nobody holds was left behind by a
// program that ended without saving, and the next start offers it back.
#include "core/scene.h"

#include <memory>
#include <optional>
#include <string>

namespace veldor {

class RecoveryStore {
public:
    // Nothing is made in `folder` until the first save().
    explicit RecoveryStore(std::string folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // This program's copy of `document`, and the name of the file it came
    // from or was last saved to (empty for none). Replaces the previous
    // copy as one step. Throws the input/output error.
    void save(const SceneDocument& document, const std::string& fileName);
    // Removes this program's copy, if any. Never throws.
    void remove() noexcept;
    bool saved() const { return saved_; }

    struct LeftBehind {
        std::string scenePath;
        std::string fileName; // as save() was given it
    };
    // The newest copy left behind by a program no longer running, locked
    // for this program until take() or discard(); nullopt when there is
    // none.
    std::optional<LeftBehind> findLeftBehind();
    // Reads the copy found; it stays until discard() (call it once this
    // program's own copy holds the work). Throws as reading a scene does;
    // nullopt when it is not a scene.
    std::optional<SceneDocument> take(const LeftBehind& copy);
    // Removes the copy found and its lock. Never throws.
    void discard(const LeftBehind& copy) noexcept;

private:
    struct Lock;
    void lockOwn();

    std::string folder_;
    std::string own_; // this program's files, without their extension
    std::unique_ptr<Lock> ownLock_;
    std::unique_ptr<Lock> foundLock_;
    bool saved_ = false;
};

} // namespace veldor
