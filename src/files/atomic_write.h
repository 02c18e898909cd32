#pragma once

#include "files/file_error.h"

#include <string>
#include <vector>

namespace kalvero {

// Writes a set of files so that a failure leaves every former file whole: each text goes first
// into a temporary file beside its target, and only when all of them are written are they renamed
// into place, in the order given (so a project file listed last replaces its predecessor last).
// The texts are flushed to the disk before the renames, so a crash leaves the old or the new text.
class AtomicFileSet {
public:
    AtomicFileSet() = default;
    ~AtomicFileSet(); // removes temporary files that were not committed
    AtomicFileSet(const AtomicFileSet&) = delete;
    AtomicFileSet& operator=(const AtomicFileSet&) = delete;

    // Writes the text into a temporary file for `target`.
    FileStatus Stage(const std::string& target, const std::string& text);
    // Renames every staged file onto its target. Should one rename fail, the files already
    // replaced get their former texts back, so the set stays whole: old or new, never mixed.
    FileStatus Commit();

private:
    struct Staged {
        std::string Temporary, Target;
    };
    std::vector<Staged> Files;
};

// One file, written the same safe way.
FileStatus WriteFileAtomically(const std::string& target, const std::string& text);

} // namespace kalvero
