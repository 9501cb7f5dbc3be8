#include "suite/OptionDialogComponent.h"

#include "suite/OptionAccount.h"

namespace orvan::suite {
namespace {

constexpr base::DispId MemberShow = 1;

} // namespace

OptionDialogComponent::OptionDialogComponent(const base::InterfaceInfo &info, Request request)
    : m_info(info)
    , m_request(std::move(request))
{}

bool OptionDialogComponent::show(const std::vector<base::Variant> &args)
{
    const auto account = processAccount();
    return runOptionDialog(*account, m_request(*account, args));
}

base::Variant OptionDialogComponent::dispatch(base::DispId id, base::InvokeKind kind,
                                              std::vector<base::Variant> &args)
{
    if (id == MemberShow)
        return base::Variant(show(args));
    return Object::dispatch(id, kind, args);
}

} // namespace orvan::suite
