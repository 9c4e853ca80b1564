#include "support/AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {
bool armed = false;
long allocations = 0;
} // namespace

void* operator new(std::size_t size)
{
    if (armed) {
        ++allocations;
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace zandrel::test {

AllocationCounter::AllocationCounter() noexcept
{
    allocations = 0;
    armed = true;
}

AllocationCounter::~AllocationCounter()
{
    armed = false;
}

long AllocationCounter::Count() const noexcept
{
    return allocations;
}

} // namespace zandrel::test
