#pragma once

#include <functional>
#include <utility>

namespace platform {

template <typename Signature>
class TestSeam;

// A call to the system that a test may take over; an empty replacement restores the real call.
template <typename Result, typename... Arguments>
class TestSeam<Result(Arguments...)> {
public:
    using Replacement = std::function<Result(Arguments...)>;

    void replace(Replacement replacement) { current = std::move(replacement); }

    template <typename Real>
    Result call(Real real, Arguments... arguments) const
    {
        if (current)
            return current(std::forward<Arguments>(arguments)...);
        return real(std::forward<Arguments>(arguments)...);
    }

private:
    Replacement current;
};

} // namespace platform
