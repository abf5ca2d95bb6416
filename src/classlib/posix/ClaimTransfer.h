// Saving a claimed file puts a new file in the old one's place; the claim has to go along with
// it, or another program could claim the new file while this one still runs.
#pragma once

#include <sys/stat.h>

class ClaimTransfer {
public:
    // When this process claims oldFile, claims newFile as well, before it takes the old file's
    // place. Best effort: a save never fails for want of the claim.
    ClaimTransfer(const struct stat& oldFile, int newFile);
    // Without Complete(), the new file's claim is let go again.
    ~ClaimTransfer();
    ClaimTransfer(const ClaimTransfer&) = delete;
    ClaimTransfer& operator=(const ClaimTransfer&) = delete;

    // The new file has taken the old one's place: the claim holds it from now on.
    void Complete();

private:
    // The descriptor that holds the old file's claim, nullptr when the old file is not claimed.
    int* m_claimedFile = nullptr;
    int m_newLock = -1;
};
