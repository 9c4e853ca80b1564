// The C++ runtime reports a misuse of its containers (a length beyond their
// maximum, a position past the end) and a failed allocation through these
// functions. Its own definitions construct the standard exception classes,
// whose constructors bring in the runtime's reference-counted std::string, its
// other std::string and a random-number device with them: 88 kB of a 175 kB
// DLL, none of it used by the plug-in, whose code instantiates what it uses of
// std::string itself. These definitions take their place at link time and
// throw std::bad_alloc, std::bad_array_new_length or an error of the plug-in's
// own; every export and callback catches everything, so none crosses the
// library boundary. They must be all the helpers the linked code calls: should
// it call one more, the runtime's own copies come back with all they bring, and
// the size limit of tests/plugin/check_dll.py fails. For the same reason the
// settings store's exceptions derive from std::exception, not
// std::runtime_error.
#include <exception>
#include <new>

namespace zandrel {
namespace {

class ELibraryError final : public std::exception {
public:
    explicit ELibraryError(const char* what) noexcept : what_(what) {}
    [[nodiscard]] const char* what() const noexcept override { return what_; }

private:
    const char* what_; // the runtime's fixed text
};

} // namespace
} // namespace zandrel

namespace std {

void __throw_bad_alloc()
{
    throw bad_alloc();
}

void __throw_bad_array_new_length()
{
    throw bad_array_new_length();
}

void __throw_logic_error(const char* what)
{
    throw zandrel::ELibraryError(what);
}

void __throw_length_error(const char* what)
{
    throw zandrel::ELibraryError(what);
}

void __throw_out_of_range_fmt(const char* format, ...)
{
    throw zandrel::ELibraryError(format);
}

} // namespace std
