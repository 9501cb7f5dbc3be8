#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace orvan::forms {
class Form;
}

namespace orvan::app {

// One line of a script: its number, first word and the words after it. `rest` is the
// text after the first word with its spacing kept (for commands whose last argument may
// hold blanks).
struct ScriptCommand
{
    int line = 0;
    std::string verb;
    std::vector<std::string> args;
    std::string rest;

    // The text after the first `words` arguments, spacing kept ("cell 2 3 a b" with
    // words = 2 gives "a b").
    std::string textAfter(std::size_t words) const;

    static ScriptCommand parse(int line, const std::string &text);
};

// A whole number written as the whole word ("12", "-3"); false for anything else.
bool parseWholeNumber(const std::string &text, int &number);

// Plays the user on one kind of open window for the script runner: clicks, keys, cells
// and the dump lines. Each window registers a factory under its form name.
class ScriptTarget
{
public:
    virtual ~ScriptTarget();

    // Carries out the command on the window. Returns false with a reason when the window
    // has no such command or target; the runner reports it as an error line.
    virtual bool run(const ScriptCommand &command, std::ostream &out, std::string &error) = 0;
};

using ScriptTargetFactory = std::function<std::unique_ptr<ScriptTarget>(forms::Form &)>;

void registerScriptTarget(const std::string &formName, ScriptTargetFactory factory);
std::unique_ptr<ScriptTarget> makeScriptTarget(forms::Form &form);

// A command that needs no open window (such as one that calls a public class, whose
// windows then receive the following lines). Returns false with a reason on failure.
using ScriptCommandHandler =
    std::function<bool(const ScriptCommand &command, std::ostream &out, std::string &error)>;
void registerScriptCommand(const std::string &verb, ScriptCommandHandler handler);
const ScriptCommandHandler *findScriptCommand(const std::string &verb);

} // namespace orvan::app
