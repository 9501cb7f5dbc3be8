#include "forms/Clipboard.h"

namespace orvan::forms {
namespace {

std::shared_ptr<Clipboard> &currentClipboard()
{
    static std::shared_ptr<Clipboard> service = std::make_shared<ScriptedClipboard>();
    return service;
}

} // namespace

Clipboard::~Clipboard() = default;

Clipboard &clipboard()
{
    return *currentClipboard();
}

void setClipboard(std::shared_ptr<Clipboard> service)
{
    currentClipboard() = service ? std::move(service) : std::make_shared<ScriptedClipboard>();
}

} // namespace orvan::forms
