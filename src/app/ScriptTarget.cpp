#include "app/ScriptTarget.h"

#include <map>
#include <sstream>

#include "forms/Form.h"

namespace orvan::app {
namespace {

std::map<std::string, ScriptTargetFactory> &factories()
{
    static std::map<std::string, ScriptTargetFactory> registered;
    return registered;
}

std::map<std::string, ScriptCommandHandler> &commandHandlers()
{
    static std::map<std::string, ScriptCommandHandler> registered;
    return registered;
}

} // namespace

void registerScriptCommand(const std::string &verb, ScriptCommandHandler handler)
{
    commandHandlers()[verb] = std::move(handler);
}

const ScriptCommandHandler *findScriptCommand(const std::string &verb)
{
    const auto found = commandHandlers().find(verb);
    return found == commandHandlers().end() ? nullptr : &found->second;
}

bool parseWholeNumber(const std::string &text, int &number)
{
    try {
        std::size_t used = 0;
        number = std::stoi(text, &used);
        return used == text.size();
    } catch (const std::exception &) {
        return false;
    }
}

std::string ScriptCommand::textAfter(std::size_t words) const
{
    std::size_t at = 0;
    for (std::size_t i = 0; i < words; ++i) {
        at = rest.find_first_not_of(" \t", at);
        if (at == std::string::npos)
            return {};
        at = rest.find_first_of(" \t", at);
        if (at == std::string::npos)
            return {};
    }
    const auto start = rest.find_first_not_of(" \t", at);
    return start == std::string::npos ? std::string() : rest.substr(start);
}

ScriptCommand ScriptCommand::parse(int line, const std::string &text)
{
    ScriptCommand command;
    command.line = line;
    std::istringstream words(text);
    words >> command.verb;
    for (std::string word; words >> word;)
        command.args.push_back(word);
    const auto verbStart = text.find_first_not_of(" \t");
    const auto verbEnd = text.find_first_of(" \t", verbStart);
    if (verbEnd != std::string::npos) {
        const auto restStart = text.find_first_not_of(" \t", verbEnd);
        if (restStart != std::string::npos)
            command.rest = text.substr(restStart);
    }
    return command;
}

ScriptTarget::~ScriptTarget() = default;

void registerScriptTarget(const std::string &formName, ScriptTargetFactory factory)
{
    factories()[formName] = std::move(factory);
}

std::unique_ptr<ScriptTarget> makeScriptTarget(forms::Form &form)
{
    const auto found = factories().find(form.formName());
    return found == factories().end() ? nullptr : found->second(form);
}

} // namespace orvan::app
