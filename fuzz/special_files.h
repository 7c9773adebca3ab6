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

// Written beside its place and renamed into it: programs that prepare the folder at the same
// time (fuzzers, replays under ctest) never see a file half written.
inline void PutFile(const std::filesystem::path& path, const std::string& bytes, off_t size = -1) {
    const std::filesystem::path temporary = path.string() + ".new" + std::to_string(::getpid());
    std::ofstream(temporary, std::ios::binary) << bytes;
    if (size >= 0) (void)::truncate(temporary.c_str(), size);
    std::filesystem::rename(temporary, path);
}

inline const std::filesystem::path& SpecialFiles() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path f = "/tmp/zav-fuzz-files";
        std::filesystem::create_directories(f / "help");
        std::filesystem::create_directories(f / "folder");
        PutFile(f / "Default", "\tUno\nasdf\nfj fj\n\tDos\nqwer\n");
        PutFile(f / "help" / "Default", "0:a.htm\n2:b.htm\n");
        PutFile(f / "help" / "a.htm", "<html><body>a</body></html>\n");
        // The help pages that must never be read to their end either.
        PutFile(f / "help" / "Special", "0:pipe\n1:zero\n2:folder\n3:big\n4:missing.htm\n");
        PutFile(f / "big", "\tUno\n", static_cast<off_t>(kTextFileLimit + 1));
        ::mkfifo((f / "pipe").c_str(), 0600);
        ::symlink("/dev/zero", (f / "zero").c_str());
        for (const char* name : {"pipe", "zero", "folder", "big"})
            ::symlink((f / name).c_str(), (f / "help" / name).c_str());
        return f;
    }();
    return folder;
}

}  // namespace zav::fuzz
