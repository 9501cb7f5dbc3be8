#include "forms/Printer.h"

namespace orvan::forms {
namespace {

std::shared_ptr<Printer> &currentPrinter()
{
    static std::shared_ptr<Printer> service = std::make_shared<ScriptedPrinter>();
    return service;
}

std::string &currentLetterhead()
{
    static std::string text;
    return text;
}

} // namespace

const std::string &letterhead()
{
    return currentLetterhead();
}

void setLetterhead(std::string text)
{
    currentLetterhead() = std::move(text);
}

Printer::~Printer() = default;

Printer &printer()
{
    return *currentPrinter();
}

void setPrinter(std::shared_ptr<Printer> service)
{
    currentPrinter() = service ? std::move(service) : std::make_shared<ScriptedPrinter>();
}

} // namespace orvan::forms
