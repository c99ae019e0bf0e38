#include "framework/file.h"

#include <cstdio>
#include <random>

namespace {

// A name holds 32 random bits, so a clash with an existing file is rare and taken for what it
// is after a few tries: a folder that takes no new file.
constexpr int kTemporaryNameTries = 8;

std::string TemporaryName() {
    static std::random_device random;
    char name[32];
    std::snprintf(name, sizeof name, "~kestrova-%08x.tmp", static_cast<unsigned>(random()));
    return name;
}

} // namespace

bool CFile::OpenTemporaryBeside(const std::string& path, std::string& temporaryPath) {
    const std::string folder = FolderOf(path);
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        // Created only when nothing of that name exists: no file of the user's is ever touched.
        const std::string candidate = folder + TemporaryName();
        if (Open(candidate, modeCreateNew)) {
            temporaryPath = candidate;
            return true;
        }
    }
    return false;
}
