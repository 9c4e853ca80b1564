#pragma once
// Counts calls of the global operator new while armed. Linking
// AllocationCounter.cpp replaces operator new and delete for the whole test
// executable.

namespace zandrel::test {

class AllocationCounter {
public:
    AllocationCounter() noexcept;
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;
    ~AllocationCounter();

    // Allocations since construction.
    [[nodiscard]] long Count() const noexcept;
};

} // namespace zandrel::test
