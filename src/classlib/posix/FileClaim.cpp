// Claims are flock() locks: they belong to the open file, not to the process's other
// descriptors of it (so reading and saving the file leave them alone), and the system lets go of
// them when the process ends.
#include "../FileClaim.h"

#include "ClaimTransfer.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace {

// A save by another program may give the name to a new file between our open and our lock; a
// few tries see past that.
constexpr int kMaxClaimAttempts = 8;

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The descriptors of this process's claims, so that a save can carry a claim over.
std::vector<int*>& HeldClaims() {
    static std::vector<int*> held;
    return held;
}

enum class Attempt { Claimed, InUseElsewhere, Unclaimable, NameMoved };

// Non-blocking, so that a FIFO of that name cannot stop the program here.
Attempt TryClaim(const std::string& name, int& fd) {
    fd = ::open(name.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return Attempt::Unclaimable;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        return Attempt::Unclaimable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return errno == EWOULDBLOCK ? Attempt::InUseElsewhere : Attempt::Unclaimable;
    }
    struct stat named {};
    if (::stat(name.c_str(), &named) != 0 || !SameFile(opened, named)) {
        return Attempt::NameMoved;
    }
    return Attempt::Claimed;
}

} // namespace

struct FileClaim::Lock {
    int fd;
};

FileClaim::FileClaim(const std::string& name) {
    for (int attempt = 0; attempt < kMaxClaimAttempts; ++attempt) {
        int fd = -1;
        const Attempt result = TryClaim(name, fd);
        if (result == Attempt::Claimed) {
            m_lock = std::make_unique<Lock>(Lock{fd});
            HeldClaims().push_back(&m_lock->fd);
            return;
        }
        if (fd >= 0) {
            ::close(fd);
        }
        if (result != Attempt::NameMoved) {
            m_inUseElsewhere = result == Attempt::InUseElsewhere;
            return;
        }
    }
    // The name keeps moving under us: some other program is busy saving the file.
    m_inUseElsewhere = true;
}

FileClaim::~FileClaim() {
    if (m_lock) {
        std::vector<int*>& held = HeldClaims();
        held.erase(std::remove(held.begin(), held.end(), &m_lock->fd), held.end());
        ::close(m_lock->fd);
    }
}

ClaimTransfer::ClaimTransfer(const struct stat& oldFile, int newFile) {
    for (int* claimed : HeldClaims()) {
        struct stat held {};
        if (::fstat(*claimed, &held) == 0 && SameFile(held, oldFile)) {
            // A descriptor of our own, since the caller closes its own before the rename.
            const int lock = ::fcntl(newFile, F_DUPFD_CLOEXEC, 0);
            if (lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) == 0) {
                m_claimedFile = claimed;
                m_newLock = lock;
            } else if (lock >= 0) {
                ::close(lock);
            }
            return;
        }
    }
}

ClaimTransfer::~ClaimTransfer() {
    if (m_newLock >= 0) {
        ::close(m_newLock);
    }
}

void ClaimTransfer::Complete() {
    if (m_claimedFile == nullptr) {
        return;
    }
    ::close(*m_claimedFile);
    *m_claimedFile = m_newLock;
    m_newLock = -1;
}
