#pragma once

#include <functional>
#include <type_traits>
#include <utility>

namespace orvan::gui {

// Runs a user action a view hands on to its form; every view forwards clicks, edits and
// keys through it. Qt's event loop cannot carry an exception (one escaping a slot ends
// the program), so whatever the action lets out stops here: it is written to standard
// error as one line and shown to the user in one message. Returns whether the action
// ran to its end.
bool guarded(const std::function<void()> &action);

// Tells the user, in one message, of a change a step made that the account refused (it
// was in use or could only be read) and that the step went on from, as the window's
// procedures do. Runs after every guarded action and after a window loads.
void reportUnsavedChange();

// `action` as a callable that runs it under guarded with the arguments it is given. It
// gives the action's result, or a value-initialised one (false: refused) when the action
// failed.
template <class Action>
auto guardedAction(Action action)
{
    return [action = std::move(action)](auto &&...args) {
        using Result = std::invoke_result_t<const Action &, decltype(args)...>;
        if constexpr (std::is_void_v<Result>) {
            guarded([&] { action(std::forward<decltype(args)>(args)...); });
        } else {
            Result result{};
            guarded([&] { result = action(std::forward<decltype(args)>(args)...); });
            return result;
        }
    };
}

} // namespace orvan::gui
