#include "component/LoginContext.h"
#include "component/AccountReason.h"

#include <pthread.h>
#include <unistd.h>

#include <atomic>

#include "base/Error.h"
#include "base/Text.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "component/Translation.h"
#include "forms/Messages.h"

namespace orvan::component {
namespace {

// The login is read several times a click, and getpid is a system call: the id is kept,
// and forgotten in a forked child, which has an id of its own.
std::atomic<pid_t> keptProcessId{0};

int32_t thisProcessId()
{
    static const bool forgetInChild = [] {
        ::pthread_atfork(nullptr, nullptr, [] { keptProcessId = 0; });
        return true;
    }();
    (void)forgetInChild;
    pid_t id = keptProcessId.load(std::memory_order_relaxed);
    if (id == 0) {
        id = ::getpid();
        keptProcessId.store(id, std::memory_order_relaxed);
    }
    return static_cast<int32_t>(id);
}

struct Entry
{
    std::string value;
    std::string rest;
    bool braced = false;
};

// Reads a braced value from text (which starts with "{"): "}}" stands for "}", and a
// single "}" ends the value; without one the value runs to the end.
Entry readBraced(std::string_view text)
{
    Entry entry;
    entry.braced = true;
    size_t i = 1;
    for (; i < text.size(); ++i) {
        if (text[i] != '}') {
            entry.value += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '}') {
            entry.value += '}';
            ++i;
        } else {
            break;
        }
    }
    // What stands between the "}" and the next ";" is dropped.
    const auto after = i < text.size() ? base::splitOnce(text.substr(i + 1), ";")
                                       : base::splitOnce(std::string_view(), ";");
    entry.rest = after.found ? after.rest : std::string();
    return entry;
}

// Reads one value at the start of rest (already past "name=").
Entry readValue(std::string_view rest)
{
    const auto text = base::trim(rest);
    if (!text.empty() && text.front() == '{')
        return readBraced(text);
    auto plain = base::splitOnce(text, ";");
    return {std::move(plain.first), std::move(plain.rest)};
}

bool needsBraces(std::string_view value)
{
    return value.find_first_of(";={}") != std::string_view::npos ||
           (!value.empty() && (value.front() == ' ' || value.back() == ' ' ||
                               value.front() == '\t' || value.back() == '\t'));
}

} // namespace

base::Dictionary parseLoginPropsText(std::string_view text)
{
    base::Dictionary entries(base::CompareMode::Text);
    std::string rest(text);
    for (;;) {
        auto split = base::splitOnce(rest, "=");
        const auto name = base::trim(split.first);
        if (name.empty())
            break;
        auto entry = readValue(split.rest);
        if (entries.exists(name))
            break; // a name given twice ends the parse
        entries.add(name, base::Variant(entry.braced ? entry.value : base::trim(entry.value)));
        rest = std::move(entry.rest);
    }
    return entries;
}

std::string quoteLoginValue(std::string_view value)
{
    if (!needsBraces(value))
        return std::string(value);
    std::string quoted = "{";
    for (const char c : value)
        quoted += c == '}' ? std::string("}}") : std::string(1, c);
    return quoted + "}";
}

std::string composeLoginProps(const base::Dictionary &entries)
{
    std::string text;
    for (const auto &[name, value] : entries.entries()) {
        text += name + "=" + quoteLoginValue(value.text()) + ";";
    }
    return text;
}

std::string withLoginProp(std::string_view text, std::string_view name, std::string_view value)
{
    auto entries = parseLoginPropsText(text);
    entries.set(name, base::Variant(std::string(value)));
    return composeLoginProps(entries);
}

std::string LoginPropsString()
{
    // Asked several times a click: the component is made once for the process.
    auto &props = processState().sharedProps;
    if (!props)
        props = ComponentRegistry::instance().createAs<SharedPropsComponent>(ProgId::SharedProps);
    return props->GetProperty(thisProcessId(), "PropsString").text();
}

void ParseLoginProps(std::string_view text)
{
    auto &state = processState();
    state.loginProps = parseLoginPropsText(text);
    state.rawLoginProps = std::string(text);
}

std::string GetLoginProp(std::string_view name)
{
    return processState().loginProps.item(name).text();
}

int32_t CurrentUserID()
{
    return base::Variant(GetLoginProp("UserID")).toLong();
}

std::string scanLoginPropIn(std::string_view propsString, std::string_view name)
{
    const auto needle = std::string(name) + "=";
    const auto at = base::findNoCase(propsString, needle);
    if (at == base::npos)
        return {};
    const auto valueStart = at + needle.size();
    const auto end = propsString.find(';', at); // the last value may end without one
    return std::string(propsString.substr(
        valueStart, end == std::string_view::npos ? std::string_view::npos : end - valueStart));
}

std::string ScanLoginProp(std::string_view name)
{
    return scanLoginPropIn(LoginPropsString(), name);
}

std::string LoginEdition()
{
    auto &edition = processState().edition;
    if (!edition) {
        std::string read;
        base::tryStep([&read] { read = ScanLoginProp("OrvanVersion"); });
        edition = std::move(read);
    }
    return *edition;
}

bool isLicensedEdition(std::string_view edition)
{
    return edition == "ZSE" || edition == "ZEE";
}

void forgetLoginEdition()
{
    processState().edition.reset();
}

bool CheckRight(int32_t objectId, int32_t rightId, int32_t mask)
{
    auto &state = processState();
    if (!state.rightsComponent)
        state.rightsComponent =
            ComponentRegistry::instance().createAs<RightsComponent>(ProgId::Rights);
    if (state.rightsComponent->AccessCheck(objectId, rightId, mask))
        return true;
    forms::showSuiteMessage(messageTitle(), TranslateText(NoRightText));
    return false;
}

bool ShowHelp(int32_t keyCode, int32_t helpId, std::string_view helpName, int32_t third,
              std::string_view helpSystem, int32_t fifth)
{
    if (keyCode != KeyF1)
        return false;
    auto &state = processState();
    try {
        if (!state.helpComponent)
            state.helpComponent =
                ComponentRegistry::instance().createAs<HelpComponent>(ProgId::Help);
        std::string system(helpSystem);
        const auto sub = scanLoginPropIn(LoginPropsString(), "SubID");
        if (sub == "StdCost" && system.empty() &&
            base::startsWithNoCase(helpName, "OrvanCaculateRpt."))
            system = "StdCost";
        state.helpComponent->ShowHELP(helpId, 0, std::string(helpName), third, system, fifth);
    } catch (const base::Error &error) {
        forms::showMessage(messageTitle(), userErrorText(error), forms::Buttons::Ok,
                           forms::Icon::Warning);
    }
    return true;
}

} // namespace orvan::component
