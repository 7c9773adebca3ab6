#pragma once
// Files that the fuzz targets' inputs may name, in a folder of fixed name so that seeds can name
// them too: a course and a page table to read, and the files that must never be read to their
// end: a pipe nobody writes to, a device without end, a folder, a file above the size limit.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/course/textfile.h"

namespace zav::fuzz {

inline const std::filesystem::path& SpecialFiles() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path f = "/tmp/zav-fuzz-files";
        std::filesystem::create_directories(f / "help");
        std::filesystem::create_directories(f / "folder");
        std::ofstream(f / "Default", std::ios::binary) << "\tUno\nasdf\nfj fj\n\tDos\nqwer\n";
        std::ofstream(f / "help" / "Default", std::ios::binary) << "0:a.htm\n2:b.htm\n";
        std::ofstream(f / "big", std::ios::binary) << "\tUno\n";
        ::truncate((f / "big").c_str(), static_cast<off_t>(kTextFileLimit + 1));
        ::mkfifo((f / "pipe").c_str(), 0600);
        ::symlink("/dev/zero", (f / "zero").c_str());
        return f;
    }();
    return folder;
}

}  // namespace zav::fuzz
