#pragma once

namespace pabrel {

// Where the question's digits come from.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual void reseedFromClock() = 0;
    // A value r with 0 <= r < 1.
    virtual double next() = 0;
};

} // namespace pabrel
