#pragma once

#include <array>

namespace orvan::test {

// The files of every account opened while this object lives go through a layer that can
// fail one operation, as a full or failing disk or a lost lock would: from the moment
// it is armed, the k-th write, sync or lock acquisition of any file answers an I/O
// error. Disarmed it only counts.
class FaultyFiles
{
public:
    enum class Operation { Write, Sync, Lock };
    static constexpr std::array<Operation, 3> Operations = {Operation::Write, Operation::Sync,
                                                            Operation::Lock};

    FaultyFiles();
    ~FaultyFiles();
    FaultyFiles(const FaultyFiles &) = delete;
    FaultyFiles &operator=(const FaultyFiles &) = delete;

    // Counts from zero again; with k > 0 the k-th operation of the kind fails.
    void arm(Operation operation, int k);
    // Counts from zero, failing nothing.
    void count();
    // Stops counting and failing.
    void disarm();

    int counted(Operation operation) const;
    bool failed() const;
};

const char *nameOf(FaultyFiles::Operation operation);

} // namespace orvan::test
