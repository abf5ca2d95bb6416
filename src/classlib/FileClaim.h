// Keeping a file to one running program at a time. A claim is an advisory lock that the system
// lets go when the program ends, however it ends, so nothing stale is ever left behind. Saving a
// claimed file with ReplaceTextFile keeps it claimed: at no moment of the save, before, during or
// after the new contents take the old file's place, can another program claim it.
#pragma once

#include <memory>
#include <string>

class FileClaim {
public:
    // Claims the file for as long as this object lives, creating it empty when it is missing, as
    // reading it would.
    explicit FileClaim(const std::string& name);
    ~FileClaim();
    FileClaim(const FileClaim&) = delete;
    FileClaim& operator=(const FileClaim&) = delete;

    // Another running program holds the file. A file that cannot be claimed at all (it can be
    // neither opened nor created, or it is no regular file) is not in use elsewhere: reading and
    // saving it then meet and report whatever stands in the way.
    bool IsInUseElsewhere() const { return m_inUseElsewhere; }

private:
    struct Lock;
    std::unique_ptr<Lock> m_lock;
    bool m_inUseElsewhere = false;
};
