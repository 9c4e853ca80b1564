// Runs the whole import over every file named on the command line, with the
// POSIX file source and no line limit, and prints each description after a
// line naming its file: the catalogue of a tree, to compare between builds.
//
//   import_files FILE...      (or: find DIR -type f | import_files -)

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "import/ImportDescription.h"
#include "import/ImportLimits.h"
#include "platform/PosixFileSource.h"

namespace {

std::string resolvedPath;

const char* ZANDREL_STDCALL ResolvePath(const char*) noexcept
{
    return resolvedPath.c_str();
}

// The host offers the file's own name; the path leads to it.
void ImportOne(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    std::string names = slash == std::string::npos ? path : path.substr(slash + 1);
    names.push_back('\0'); // the list ends in an empty name
    resolvedPath = path;
    char description[zandrel::DescriptionCapacity] = {};
    zandrel::PosixFileSource source;
    zandrel::ImportDescription(names.c_str(), description, &ResolvePath, source,
                               zandrel::LineLimit{});
    std::cout << "== " << path << '\n' << description << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: import_files FILE... | import_files - (names on stdin)\n");
        return 2;
    }
    if (argc == 2 && std::strcmp(argv[1], "-") == 0) {
        for (std::string path; std::getline(std::cin, path);) {
            ImportOne(path);
        }
        return 0;
    }
    for (int i = 1; i < argc; ++i) {
        ImportOne(argv[i]);
    }
    return 0;
}
