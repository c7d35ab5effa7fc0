#pragma once
// Replacing a set of files in one folder as one step: after a crash at any
// moment, once finishInterruptedReplacements has run over the folder, it
// holds the whole old set or the whole new one, and nothing of ours besides.
//
// How: every new file is written into a scratch folder inside the target
// folder (".veldor-set-XXXXXX") and flushed to disk. Then a journal naming
// the set is written there under a temporary name, flushed, and renamed to
// "journal": that rename is the point of no return. Each target is then
// swapped in (its old file first moved into the scratch folder), the folder
// is flushed, and only then the journal and the scratch folder go.
//
// Every state an entry passes through tells itself apart by which of its two
// scratch files remain ("n<i>" the new file, "o<i>" the old one kept aside),
// so recovery needs no more than the journal's list of names:
//   n, no o   not begun (the old file, if any, still at its name)
//   n and o   old moved aside, new not yet in
//   o, no n   done, the old file kept aside
//   neither   done, nothing was there before
// Undoing runs the same steps backwards (the new file goes back to "n<i>"
// before the old one returns), so a kill while undoing leaves a state that
// going forward completes.
//
// The journal, in LF lines: "veldor file set", the number of files, each
// name, "end". A scratch folder without a complete journal never touched
// the target folder and is simply removed.
//
// A scratch folder is locked (flock) by the process working in it, so that
// recovery run by another process leaves a replacement in progress alone;
// the lock goes with the process, however it ends.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace veldor {

class FileSetReplacement {
public:
    // Makes `folder` (and its parents) when missing, and the scratch folder
    // in it; throws "Cannot create file <folder>: <reason>". `progress`, when
    // given, is called now and then while the files are written and swapped
    // in, e.g. to keep a window answering.
    explicit FileSetReplacement(const std::string& folder, std::function<void()> progress = {});
    FileSetReplacement(const FileSetReplacement&) = delete;
    FileSetReplacement& operator=(const FileSetReplacement&) = delete;
    // Without a commit, or after a failed one: the folder as it was, the
    // folders this made gone again.
    ~FileSetReplacement();

    // Starts the next file of the set, to take the name `name` in the folder
    // (a plain name: no "/", no line break, none of ours). The file there
    // now must be a regular file we may write to, or a symbolic link, which
    // is replaced itself (what it names is never touched): anything else
    // throws "Cannot create file <path>: File access denied" at once. The
    // old file's permission bits, and its owner where the process may set
    // them, carry over.
    void add(const std::string& name);
    // Appends to the file last added; throws "Cannot create file <path>:
    // <reason>".
    void write(std::string_view bytes);
    // Puts the whole set in place, in the order added; throws "Cannot
    // create file <path>: <reason>" for the name that failed, and the folder
    // then holds the old set. Once every file is in, nothing fails any more:
    // leftovers that could not be removed go at the next recovery.
    void commit();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Completes or undoes every replacement in `folder` that a killed process
// left (see above), and removes the scratch folders of ours, those of
// earlier versions (".veldor-pack-XXXXXX") included. A missing folder has
// nothing to finish. Safe to run again after a kill at any point. Throws
// "Cannot create file <path>: <reason>" when a leftover cannot be finished;
// what could not be finished stays for the next run.
void finishInterruptedReplacements(const std::string& folder);

// For tests: called with the name of each step that changes the disk,
// before it is taken ("stage", "journal", "aside", "place", "sync folder",
// "forget journal", "clean", and while undoing "take back", "put back").
// Throwing from it fails that step.
void setFileSetStepHook(std::function<void(std::string_view step)> hook);

} // namespace veldor
