#pragma once

#include <sys/mount.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "testing/support/temp_folder.h"

namespace undertext::testing {

// A memory file system of a given size mounted on a fresh folder, unmounted when
// the object goes. Mounting needs root; mounted() tells whether it worked, so
// that a test may skip itself otherwise.
class SmallFileSystem {
  public:
    explicit SmallFileSystem(std::uint64_t bytes) {
        const std::string options = "size=" + std::to_string(bytes);
        mounted_ = ::mount("tmpfs", folder_.path().c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) {
            ::umount2(folder_.path().c_str(), MNT_DETACH);
        }
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    const TempFolder& folder() const { return folder_; }

  private:
    TempFolder folder_;
    bool mounted_ = false;
};

}  // namespace undertext::testing
