#include "component/AccountReason.h"

#include <iostream>

#include "component/Translation.h"

namespace orvan::component {

std::string accountFailureText(base::AccountFailure why)
{
    switch (why) {
    case base::AccountFailure::Busy:
        return TranslateText("账套正被其他程序修改，本次修改未保存，请稍后再试。");
    case base::AccountFailure::NotWritten:
        return TranslateText("账套无法写入（磁盘错误或磁盘已满），本次修改未保存。");
    case base::AccountFailure::ReadOnly:
        return TranslateText("账套只能读取，不能写入，本次修改未保存。");
    case base::AccountFailure::Unreachable:
        return TranslateText("无法连接账套服务器，本次修改未保存；下次操作时将重新连接。");
    case base::AccountFailure::None:
        break;
    }
    return {};
}

std::string userErrorText(const std::exception &error)
{
    const auto *own = dynamic_cast<const base::Error *>(&error);
    if (!own)
        return error.what();
    if (!own->isAccountUnavailable())
        return own->description();
    std::cerr << "orvan-sysmaintain: " << own->description() << "\n";
    return accountFailureText(own->accountFailure());
}

std::string withAccountReason(const std::string &text, const std::exception &error)
{
    const auto *own = dynamic_cast<const base::Error *>(&error);
    return own && own->isAccountUnavailable() ? text + "\n" + userErrorText(error) : text;
}

} // namespace orvan::component
